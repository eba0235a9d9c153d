#pragma once

#include <QString>
#include <QStringList>

// The device files the simulator runs against: a folder that stands in for the telephone's
// root, where "/configs/..." and "/usr/sbin/..." live. It is filled from the templates compiled
// into the simulator; a file that exists is never touched, so the user's changes and the
// application's own writes survive every run. Templates in a "bin" or "sbin" folder are
// installed executable.
class Sandbox
{
public:
    explicit Sandbox(const QString &root, const QString &templateRoot = defaultTemplateRoot());

    // <user data folder>/sandbox.
    static QString defaultRoot();
    static QString defaultTemplateRoot();

    QString root() const { return m_root; }

    // Creates the root and every template file that is missing. Returns false, with
    // errorString() set, when a file could not be created.
    bool prepare();

    // Files created by the last prepare(), relative to the root.
    QStringList createdFiles() const { return m_createdFiles; }
    QString errorString() const { return m_errorString; }

private:
    bool install(const QString &templateFile, const QString &relativePath);

    QString m_root;
    QString m_templateRoot;
    QStringList m_createdFiles;
    QString m_errorString;
};
