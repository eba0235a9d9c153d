#include "sandbox.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

// The templates live in this static library; a resource that nothing references would be
// dropped by the linker.
static void initSandboxResource()
{
    Q_INIT_RESOURCE(sandbox);
}

namespace {

bool isExecutableLocation(const QString &relativePath)
{
    const QStringList folders = QFileInfo(relativePath).path().split(QLatin1Char('/'));
    return folders.contains(QLatin1String("bin")) || folders.contains(QLatin1String("sbin"));
}

} // namespace

Sandbox::Sandbox(const QString &root, const QString &templateRoot)
    : m_root(QFileInfo(root).absoluteFilePath())
    , m_templateRoot(templateRoot)
{ }

QString Sandbox::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/sandbox");
}

QString Sandbox::defaultTemplateRoot()
{
    static const bool registered = [] {
        initSandboxResource();
        return true;
    }();
    Q_UNUSED(registered)
    return QStringLiteral(":/sandbox");
}

bool Sandbox::prepare()
{
    m_createdFiles.clear();
    m_errorString.clear();
    if (!QDir().mkpath(m_root)) {
        m_errorString = QStringLiteral("cannot create the folder %1").arg(m_root);
        qWarning().noquote() << "Sandbox::prepare" << m_errorString;
        return false;
    }
    const QDir templates(m_templateRoot);
    QDirIterator it(m_templateRoot, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString templateFile = it.next();
        if (!install(templateFile, templates.relativeFilePath(templateFile)))
            return false;
    }
    return true;
}

bool Sandbox::install(const QString &templateFile, const QString &relativePath)
{
    const QString target = m_root + QLatin1Char('/') + relativePath;
    if (QFileInfo::exists(target))
        return true;
    if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(templateFile, target)) {
        m_errorString = QStringLiteral("cannot create %1").arg(target);
        qWarning().noquote() << "Sandbox::install" << m_errorString;
        return false;
    }
    // Copies of resources are read-only; the application writes its settings files.
    QFile::Permissions permissions
        = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (isExecutableLocation(relativePath))
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(target, permissions);
    m_createdFiles.append(relativePath);
    qDebug().noquote() << "Sandbox::install created" << target;
    return true;
}
