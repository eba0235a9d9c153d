#include "baseappinterface.h"

#include "core.h"

#include <QDebug>

BaseAppInterface::BaseAppInterface(const QString &name, QObject *parent)
    : m_name(name)
    , m_parent(parent)
{ }

void BaseAppInterface::reloadLanguage()
{
    if (!theCore) {
        qWarning() << "BaseAppInterface::reloadLanguage no core" << m_name;
        return;
    }
    QString application = m_name;
    if (!Core::hasTranslations(application)) {
        if (auto owner = qobject_cast<BaseAppInterface *>(m_parent))
            application = owner->appName();
    }
    theCore->installTranslation(application);
}
