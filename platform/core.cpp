#include "core.h"

#include "callmanager.h"
#include "soundmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#include <algorithm>

Core *theCore = nullptr;

namespace {

// File-name codes of the translation files, indexed by Core::Language.
const char *const languageCodes[Core::LanguageCount] = {
    "kr",
    "",
    "nl_NL",
    "ca_CA",
    "tr_TR",
    "gr_GR",
    "es_ES",
    "pt_PT",
    "it_IT",
    "ru_RU",
    "se_SE",
    "de_DE",
};

bool isHangul(char32_t c)
{
    return (c >= 0x1100 && c <= 0x11FF) // Jamo
        || (c >= 0x3130 && c <= 0x318F) // compatibility Jamo
        || (c >= 0xA960 && c <= 0xA97F) // Jamo extended A
        || (c >= 0xAC00 && c <= 0xD7AF) // syllables
        || (c >= 0xD7B0 && c <= 0xD7FF) // Jamo extended B
        || (c >= 0xFFA0 && c <= 0xFFDC); // half-width Jamo
}

} // namespace

Core::Core(QObject *parent)
    : QObject(parent)
    , m_ime(new IME(this))
    , m_callManager(new CallManager(this))
    , m_soundManager(new SoundManager(this))
{
    if (theCore)
        qWarning() << "Core::Core a core exists already; the new one replaces it";
    theCore = this;
}

Core::~Core()
{
    for (QTranslator *translator : qAsConst(m_translators))
        QCoreApplication::removeTranslator(translator);
    qDeleteAll(m_translators);
    if (theCore == this)
        theCore = nullptr;
}

void Core::sendAppMsg(const QString &application, const QString &command, const QByteArray &payload)
{
    qDebug() << "Core::sendAppMsg application:" << application << "command:" << command
             << "payload:" << payload.toHex();
    emit appMessageSent(application, command, payload);
}

QString Core::envInfoFileName() const
{
    if (!m_envInfoFileName.isEmpty())
        return m_envInfoFileName;
    return devicePath(QLatin1String("/configs/envinfo.ini"));
}

QString Core::configFileName(ConfigFileType type) const
{
    const QString path = m_configFileNames.value(type);
    if (!path.isEmpty())
        return path;
    switch (type) {
    case SystemConfigFile:
        return devicePath(QLatin1String("/configs/system.conf"));
    case NetworkConfigFile:
        return devicePath(QLatin1String("/configs/network.conf"));
    case UserConfigFile:
        return devicePath(QLatin1String("/configs/settings.conf"));
    }
    return QString();
}

bool Core::IshasKRCharacter(const QString &text) const
{
    const QVector<uint> codePoints = text.toUcs4();
    return std::any_of(codePoints.constBegin(), codePoints.constEnd(),
        [](uint c) { return isHangul(char32_t(c)); });
}

IMEStatus Core::getIMEStatus() const
{
    return IMEStatus(m_ime->imeStatus());
}

void Core::setIMEStatus(IMEStatus status, bool announce)
{
    m_ime->setImeStatus(status, announce);
}

QString Core::devicePath(const QString &path) const
{
    if (m_deviceRoot.isEmpty())
        return path;
    return QDir::cleanPath(m_deviceRoot + QLatin1Char('/') + path);
}

void Core::setDeviceRoot(const QString &root)
{
    m_deviceRoot = root.isEmpty() ? QString() : QFileInfo(root).absoluteFilePath();
}

void Core::setEnvInfoFileName(const QString &path)
{
    m_envInfoFileName = path;
}

void Core::setConfigFileName(ConfigFileType type, const QString &path)
{
    m_configFileNames.insert(type, path);
}

void Core::setLanguage(int language)
{
    if (language < 0 || language >= LanguageCount) {
        qWarning() << "Core::setLanguage invalid language:" << language;
        return;
    }
    m_language = language;
}

QString Core::languageCode(int language)
{
    if (language < 0 || language >= LanguageCount)
        return QString();
    return QString::fromLatin1(languageCodes[language]);
}

int Core::languageFromCode(const QString &code)
{
    for (int language = 0; language < LanguageCount; ++language) {
        if (code == QLatin1String(languageCodes[language]))
            return language;
    }
    if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return English;
    return -1;
}

QString Core::translationFile(const QString &application, int language)
{
    const QString code = languageCode(language);
    if (code.isEmpty())
        return QString();
    return QString::fromLatin1(":/%1/%1_%2.qm").arg(application, code);
}

bool Core::hasTranslations(const QString &application)
{
    return QDir(QLatin1String(":/") + application).exists();
}

bool Core::installTranslation(const QString &application)
{
    if (QTranslator *old = m_translators.take(application)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QString file = translationFile(application, m_language);
    if (file.isEmpty())
        return false;
    auto translator = new QTranslator;
    if (!translator->load(file)) {
        qWarning() << "Core::installTranslation no translation:" << file;
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    m_translators.insert(application, translator);
    return true;
}

QByteArray getEncodedString(const QString &text)
{
    return text.toUtf8();
}
