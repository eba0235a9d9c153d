#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A settings file in QSettings' INI format, shared with other programs of the telephone and
// edited the way `git config` edits its files. Reading finds a key as QSettings would, but
// only ever as text: nothing is deserialised into a Qt type. Writing replaces the bytes of
// the values set, adds a missing key at the end of its section, and keeps every other byte;
// the new file replaces the old one atomically and keeps its owner, group and mode.
class IniFile
{
public:
    // Files larger than this are not settings files: they read as empty and are not written.
    static const int MaxSize = 1024 * 1024;

    explicit IniFile(const QString &path);

    // The text QSettings would read for the key, or `fallback` when the file lacks it.
    QString value(
        const QString &section, const QString &key, const QString &fallback = QString()) const;
    bool contains(const QString &section, const QString &key) const;

    // Values are encoded as QSettings encodes a QString, bool or int in an INI file.
    void setValue(const QString &section, const QString &key, const QString &text);
    void setValue(const QString &section, const QString &key, bool on);
    void setValue(const QString &section, const QString &key, int number);

    bool isModified() const { return m_data != m_original; }

    // Puts the edited file in place of the one on disk; false leaves that one as it was.
    bool save();
    // Puts back the bytes the file held when it was read (after a save of a set of files
    // failed halfway).
    bool restore();

    // The INI forms of one value, QSettings-compatible; exposed for the file checks.
    static QByteArray encoded(const QString &text, bool utf8);
    static QString decoded(const QByteArray &data, int from, int to, bool utf8);

private:
    struct Entry
    {
        QByteArray section;
        QByteArray key;
        int valueStart;
        int valueEnd;
        int lineEnd; // after the line's terminator
    };
    struct Section
    {
        QByteArray name;
        int contentEnd; // where a key appended to the section goes
    };

    void parse();
    const Entry *find(const QString &section, const QString &key) const;
    void setEncoded(const QString &section, const QString &key, const QByteArray &value);
    void insert(const QString &section, const QString &key, const QByteArray &value);
    QByteArray lineBreak() const;
    bool write(const QByteArray &data) const;

    QString m_path;
    QByteArray m_original;
    QByteArray m_data;
    bool m_readable = true;
    bool m_utf8 = false;
    bool m_editFailed = false;
    QList<Entry> m_entries;
    QList<Section> m_sections;
};
