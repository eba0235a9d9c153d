#include "gallerypages.h"

#include "listview.h"

#include <QPixmap>

// A list without rows shows its empty text.
QWidget *buildEmptyListPage(QWidget *parent)
{
    auto *list = new ListView(parent);
    list->setShowEmptyString(true);
    list->setBackgroundPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    return list;
}
