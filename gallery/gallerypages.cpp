#include "gallerypages.h"

#include "listview.h"
#include "listviewitem.h"
#include "palette.h"

#include <QPixmap>

QList<GalleryPage> galleryPages()
{
    return {
        {QStringLiteral("Setting rows"), buildSettingRowsPage},
        {QStringLiteral("Entry rows"), buildEntryRowsPage},
        {QStringLiteral("Value rows"), buildValueRowsPage},
        {QStringLiteral("Date and time rows"), buildDateTimeRowsPage},
        {QStringLiteral("Paged list"), buildPagedListPage},
        {QStringLiteral("Empty list"), buildEmptyListPage},
        {QStringLiteral("Sliding list"), buildSlideListPage},
        {QStringLiteral("Call rows"), buildCallRowsPage},
        {QStringLiteral("Contact rows"), buildContactRowsPage},
        {QStringLiteral("Presence rows"), buildPresenceRowsPage},
        {QStringLiteral("Subtitle rows"), buildSubTitleRowsPage},
        {QStringLiteral("Selection popup"), buildSelectPopupPage},
        {QStringLiteral("Notices and buttons"), buildNoticesPage},
        {QStringLiteral("Status and function keys"), buildBarsPage},
    };
}

void useScreenColours(ListView *list)
{
    list->setBackgroundPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    for (int idx = 0; idx < list->itemSize(); ++idx) {
        ListViewItem *row = list->item(idx);
        row->setTextColor(WidgetPalette::rowText());
        row->setTextSelectColor(WidgetPalette::selectedText());
        row->setBackGroundSelectColor(WidgetPalette::selectedBackground());
    }
}
