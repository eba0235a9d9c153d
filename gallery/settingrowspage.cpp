#include "gallerypages.h"

#include "listview.h"
#include "listviewsettingitems.h"

#include <QPixmap>

// A plain row with an icon and the four rows of a settings screen.
QWidget *buildSettingRowsPage(QWidget *parent)
{
    auto *list = new ListView(parent);
    list->addItem(new ListViewItem(QStringLiteral("Plain row with an icon"),
        QPixmap(QStringLiteral(":/ui/images/icon_wifi_step4.png")),
        QPixmap(QStringLiteral(":/ui/images/icon_wifi_step4_press.png"))));
    list->addItem(new ListViewCheckItem(QStringLiteral("Use Hotspot"), true));
    list->addItem(new ListViewRadioItem(QStringLiteral("2.4 GHz"), true));
    list->addItem(new ListViewRadioItem(QStringLiteral("5 GHz"), false));
    list->addItem(new ListViewSelectItem(
        QStringLiteral("Connection mode"), QStringLiteral("802.11b/g/n mixed")));
    useScreenColours(list);
    list->setSelectedIdx(1);
    return list;
}
