#pragma once

#include "ime.h"
#include "qtcompat.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class CallManager;
class SoundManager;
class Status;
class QTranslator;

// Kinds of the shell's own settings files.
enum ConfigFileType {
    SystemConfigFile = 0, // menu password, call lock
    NetworkConfigFile = 1,
    UserConfigFile = 2, // user preferences such as the clock format
};

// The shell's core: the one object through which applications reach the shell's shared
// services (status bar, input method, call and sound managers, settings files, messages to
// other applications). The object that creates it (the shell, or a test) controls everything
// that the device would otherwise decide: file locations, the device root, the call and
// input-method state, and where sent messages go.
class Core : public QObject
{
    Q_OBJECT
public:
    // Display languages; the value is what language() returns.
    enum Language {
        Korean = 0,
        English,
        Dutch,
        French,
        Turkish,
        Greek,
        Spanish,
        Portuguese,
        Italian,
        Russian,
        Swedish,
        German,
        LanguageCount
    };

    // Makes itself theCore for as long as it lives.
    explicit Core(QObject *parent = nullptr);
    ~Core() override;

    // Application side.
    void sendAppMsg(const QString &application, const QString &command, const QByteArray &payload);
    QString envInfoFileName() const;
    QString configFileName(ConfigFileType type) const;
    int getSystemType() const { return m_systemType; }
    Status *statusWidget() const { return m_status; }
    bool IshasKRCharacter(const QString &text) const;
    IMEStatus getIMEStatus() const;
    void setIMEStatus(IMEStatus status, bool announce);
    IME *ime() const { return m_ime; }
    int language() const { return m_language; }
    CallManager *callManager() const { return m_callManager; }
    bool isVisibleMenu() const { return m_menuVisible; }
    SoundManager *soundManager() const { return m_soundManager; }

    // A fixed device path such as "/configs/wireless/hostapd.conf" as seen from this process:
    // unchanged on the device, moved under the device root elsewhere.
    QString devicePath(const QString &path) const;

    // Installs the translation of the current language for an application, replacing the one
    // installed before; English needs none. Returns false when the language has no file.
    bool installTranslation(const QString &application);
    static bool hasTranslations(const QString &application);
    static QString translationFile(const QString &application, int language);
    // File-name code of a language ("kr", "de_DE", ...); empty for English.
    static QString languageCode(int language);
    static int languageFromCode(const QString &code);

    // Host side.
    void setDeviceRoot(const QString &root);
    QString deviceRoot() const { return m_deviceRoot; }
    void setEnvInfoFileName(const QString &path);
    void setConfigFileName(ConfigFileType type, const QString &path);
    void setSystemType(int type) { m_systemType = type; }
    void setStatusWidget(Status *status) { m_status = status; }
    void setLanguage(int language);
    void setMenuVisible(bool visible) { m_menuVisible = visible; }

    // Set while the call screen is in front; together with a call in progress and no menu
    // over it, function keys belong to the call screen.
    bool m_callViewShown = false;

signals:
    // Every message an application sends; the host routes it.
    void appMessageSent(
        const QString &application, const QString &command, const QByteArray &payload);

private:
    QString m_deviceRoot;
    QString m_envInfoFileName;
    QHash<int, QString> m_configFileNames;
    int m_systemType = 0;
    int m_language = English;
    bool m_menuVisible = false;
    Status *m_status = nullptr;
    IME *m_ime;
    CallManager *m_callManager;
    SoundManager *m_soundManager;
    QHash<QString, QTranslator *> m_translators;
};

extern Core *theCore;

// The byte form in which the shell stores and measures text.
QByteArray getEncodedString(const QString &text);
