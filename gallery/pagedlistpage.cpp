#include "gallerypages.h"

#include "listview.h"
#include "listviewitem.h"
#include "palette.h"

#include <QPixmap>

// Thirty rows in the list's own colours: paging, the scroll bar and disabled rows to skip.
QWidget *buildPagedListPage(QWidget *parent)
{
    auto *list = new ListView(parent);
    for (int idx = 0; idx < 30; ++idx) {
        auto *row = new ListViewItem(QStringLiteral("Row %1").arg(idx + 1), QPixmap(), QPixmap());
        row->setBackGroundSelectColor(WidgetPalette::selectedBackground());
        if (idx % 7 == 3) {
            row->setText(row->text() + QStringLiteral(" (disabled)"));
            row->setItemSelectEnable(false);
        }
        list->addItem(row);
    }
    list->setSelectedIdx(12);
    return list;
}
