#include "gallerypages.h"

#include "listview.h"
#include "listviewcallitem.h"
#include "listviewcontactitem.h"
#include "listviewpresenceitem.h"
#include "listviewsubtitleitem.h"
#include "palette.h"

#include <QPixmap>

// Rows of the call, contact and presence screens of the telephone, and the subtitle rows of
// its lists, in each of their modes and list types.

namespace {

void useRowColours(ListViewItem *row)
{
    row->setTextColor(WidgetPalette::rowText());
    row->setTextSelectColor(Qt::white);
    row->setBackGroundSelectColor(WidgetPalette::selectedBackground());
}

ListView *whiteList(QWidget *parent)
{
    auto *list = new ListView(parent);
    list->setBackgroundPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    return list;
}

} // namespace

// Call rows in every layout mode, on the call screen's dark list.
QWidget *buildCallRowsPage(QWidget *parent)
{
    auto *list = new ListView(parent);
    list->addItem(new ListViewCallItem(QStringLiteral("Alice Johnson")));
    const struct
    {
        const char *label;
        int thumbnail;
        int pressThumbnail;
        const char *time;
    } history[]
        = {{"Bob Smith", 4, 5, "09:41"}, {"Christopher Montgomery-Fitzgerald", 2, 3, "Yesterday"},
            {"Video conference", 6, 7, "Mon"}};
    for (const auto &entry : history) {
        auto *row = new ListViewCallItem(ListViewCallItem::HistoryMode, nullptr);
        row->setLabelText(QString::fromLatin1(entry.label));
        row->setThumbnail(entry.thumbnail);
        row->setPressThumbnail(entry.pressThumbnail);
        row->setHistoryTimeText(QString::fromLatin1(entry.time));
        list->addItem(row);
    }
    auto *line = new ListViewCallItem(ListViewCallItem::ActiveLineMode, nullptr);
    line->setLabelText(QStringLiteral("Line 1: Erin"));
    line->setThumbnail(13);
    line->setPressThumbnail(13);
    line->setStartTime(3725);
    list->addItem(line);
    auto *hold = new ListViewCallItem(ListViewCallItem::ActiveLineMode, nullptr);
    hold->setLabelText(QStringLiteral("Line 2: Frank (on hold)"));
    hold->setThumbnail(16);
    hold->setPressThumbnail(16);
    hold->setStartTime(42);
    list->addItem(hold);
    auto *text = new ListViewCallItem(ListViewCallItem::TextOnlyMode, nullptr);
    text->setLabelText(QStringLiteral("Conference (3 parties)"));
    list->addItem(text);
    list->setSelectedIdx(1);
    return list;
}

// Contact rows in the three list types, with and without presence.
QWidget *buildContactRowsPage(QWidget *parent)
{
    auto *list = whiteList(parent);
    const struct
    {
        const char *name;
        int listType;
        int callStatus;
        int presence;
    } contacts[]
        = {{"Grace Hopper", 0, 1, 1}, {"Heidi Klum", 0, 0, 0}, {"Ivan Petrov (meeting)", 1, 2, 3},
            {"Judy Garland", 1, 0, 2}, {"Mallory (at lunch)", 2, 3, 4}, {"Niaj (away)", 2, 4, 5},
            {"Olivia (do not disturb)", 0, 1, 7}, {"Peggy (logged out)", 1, 5, 9}};
    for (const auto &contact : contacts) {
        auto *row = new ListViewContactItem(QString::fromLatin1(contact.name));
        useRowColours(row);
        row->setListType(contact.listType);
        // Photo sizes and places that leave room for each type's label.
        if (contact.listType == 0) {
            row->setOffset(2, 8);
            row->setSize(24, 24);
        } else if (contact.listType == 1) {
            row->setOffset(4, 5);
            row->setSize(36, 32);
        } else {
            row->setOffset(12, 5);
        }
        row->setupPresenceImage(contact.callStatus, contact.presence);
        list->addItem(row);
    }
    list->setSelectedIdx(2);
    return list;
}

// Presence choices: checked or not, with and without an icon, one that cannot be chosen.
QWidget *buildPresenceRowsPage(QWidget *parent)
{
    auto *list = whiteList(parent);
    const struct
    {
        const char *label;
        const char *value;
        bool checked;
        const char *icon;
        bool enabled;
    } choices[] = {{"Online", "Available", true, ":/ui/images/icon_presence_online.png", true},
        {"Meeting", "Until 15:00", false, ":/ui/images/icon_presence_meeting.png", true},
        {"Lunch", "", false, ":/ui/images/icon_presence_food.png", true},
        {"Custom", "At home", false, nullptr, true},
        {"Do not disturb", "Locked", false, ":/ui/images/icon_presence_danger.png", false}};
    for (const auto &choice : choices) {
        auto *row = new ListViewPresenceItem(
            QString::fromLatin1(choice.label), QString::fromLatin1(choice.value), choice.checked);
        useRowColours(row);
        if (choice.icon)
            row->setPixmapPresc(QPixmap(QString::fromLatin1(choice.icon)));
        row->setItemSelectEnable(choice.enabled);
        list->addItem(row);
    }
    list->setSelectedIdx(1);
    return list;
}

// A group heading, fragments after the label and at fixed places, the text shadow, the boxed
// last fragment, then history rows in each of their label forms.
QWidget *buildSubTitleRowsPage(QWidget *parent)
{
    auto *list = whiteList(parent);
    const QColor grey(120, 120, 120);
    const QColor white(255, 255, 255);
    auto *group = new ListViewSubTitleItem(QStringLiteral("Favourites"));
    useRowColours(group);
    group->setGroupNameItem(true);
    group->addSubTitle(QStringLiteral("3 contacts"), 360, 10, grey, white);
    list->addItem(group);
    auto *following = new ListViewSubTitleItem(QStringLiteral("Quentin"));
    useRowColours(following);
    following->addSubTitle(
        QStringLiteral("Mobile"), -1, 11, WidgetPalette::selectedBackground(), white);
    following->addSubTitle(QStringLiteral("+1 555 0100"), -1, -1, grey, white);
    list->addItem(following);
    auto *boxed = new ListViewSubTitleItem(QStringLiteral("Sybil"));
    useRowColours(boxed);
    boxed->setUseTextShadow(1);
    boxed->setTextWidth(120);
    boxed->addSubTitle(QStringLiteral("Home"), 150, 11, grey, white);
    boxed->addSubTitle(QStringLiteral("10:24"), 320, 11, grey, white);
    boxed->setSubtitleAlignment(Qt::AlignRight | Qt::AlignVCenter);
    list->addItem(boxed);
    const struct
    {
        const char *line1;
        const char *line2;
    } histories[] = {{"Unknown", ""}, {"Victor", "Victor"}, {"Walter", "+1 555 0123"},
        {"Alexander Maximilian Richardson", "+44 20 7946 0958 extension 1234"}};
    for (const auto &history : histories) {
        auto *row = new ListViewSubTitleItemHistory(QString());
        useRowColours(row);
        QString line1 = QString::fromLatin1(history.line1);
        QString line2 = QString::fromLatin1(history.line2);
        row->setTextLine1(line1);
        row->setTextLine2(line2);
        row->setTextWidth(300);
        row->addSubTitle(QStringLiteral("2 calls"), 380, 10, grey, white);
        list->addItem(row);
    }
    list->setSelectedIdx(1);
    return list;
}
