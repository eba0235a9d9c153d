#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// One line of a simulator script, checked and ready to run.
struct ScriptCommand
{
    enum Kind {
        Key,
        Press,
        Release,
        Hold,
        Type,
        Message,
        Wait,
        Until,
        Screenshot,
        WindowScreenshot,
        Language,
        Start,
        End,
        Quit,
        WifiService
    };

    Kind kind = Quit;
    int line = 0;
    int key = 0;
    QString keyText;
    int milliseconds = 0;
    // The text to type, the screenshot's file name, or the class an "until" waits for.
    QString text;
    // "until shown" rather than "until hidden".
    bool shown = true;
    int language = 0;
    QString application;
    QString command;
    QByteArray payload;
    // The request to the Wi-Fi service.
    QStringList request;
};

// Reads a simulator script: one command per line, blank lines and lines starting with '#'
// ignored, arguments separated by spaces and quoted as in a shell when they hold spaces. Every line
// is checked before anything runs, so a mistake near the end does not waste a long run.
class ScriptParser
{
public:
    bool parse(const QString &source);
    bool parseFile(const QString &fileName);

    QVector<ScriptCommand> commands() const { return m_commands; }
    // "line N: reason" for the first bad line.
    QString errorString() const { return m_errorString; }
    int errorLine() const { return m_errorLine; }

    static QString syntax();

private:
    bool parseLine(const QString &line, int number);
    bool fail(int line, const QString &reason);

    QVector<ScriptCommand> m_commands;
    QString m_errorString;
    int m_errorLine = 0;
};
