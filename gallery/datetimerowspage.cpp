#include "gallerypages.h"

#include "listview.h"
#include "listviewdatetimeitems.h"

// Weekday strips, an alarm and a time edited in its own overlay.
QWidget *buildDateTimeRowsPage(QWidget *parent)
{
    auto *list = new ListView(parent);
    auto *repeat = new ListViewDateSelectItem(QStringLiteral("Repeat"));
    for (int day : {0, 2, 4})
        repeat->setDateSelection(day, true);
    list->addItem(repeat);
    auto *alarm = new ListViewAlarmItem(QStringLiteral("07:30"), QStringLiteral("Wake up"), true);
    alarm->setDateSelection(5, true);
    alarm->setDateSelection(6, true);
    list->addItem(alarm);
    list->addItem(new ListViewTimeEditItem(
        QStringLiteral("Start time"), QStringLiteral("08:15"), QStringLiteral("AM")));
    list->addItem(new ListViewTimeEditItem(
        QStringLiteral("End time"), QStringLiteral("05:45"), QStringLiteral("PM")));
    useScreenColours(list);
    list->setSelectedIdx(2);
    return list;
}
