#include "gallerypages.h"

#include "listview.h"
#include "listviewvalueitems.h"

// Levels, read-only values and networks; a disabled row shows the disable colour.
QWidget *buildValueRowsPage(QWidget *parent)
{
    auto *list = new ListView(parent);
    auto *volume = new ListViewProgressItem(QStringLiteral("Ring volume"), 10);
    volume->setValue(6);
    list->addItem(volume);
    list->addItem(
        new ListViewInfoItem(QStringLiteral("MAC address"), QStringLiteral("00:1a:2b:3c:4d:5e")));
    auto *strong = new ListViewNetworkItem(QStringLiteral("Office-AP"), QStringLiteral("WPA2"));
    strong->m_signalLevel = 5;
    list->addItem(strong);
    auto *held = new ListViewNetworkItem(QStringLiteral("Guest network"), QStringLiteral("Open"));
    held->m_signalLevel = 2;
    held->m_hold = true;
    list->addItem(held);
    auto *disabled = new ListViewProgressItem(QStringLiteral("Disabled level"), 5);
    disabled->setValue(2);
    disabled->setItemSelectEnable(false);
    list->addItem(disabled);
    useScreenColours(list);
    list->item(4)->setTextDisableColor(QColor(160, 160, 160));
    return list;
}
