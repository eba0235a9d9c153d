#pragma once

//
//  W A R N I N G
//  -------------
//
// Not part of the widget set's interface: the tests read what a call row last painted and
// run its duration on a clock of their own through it. It may change from build to build.
//

#include "listviewcallitem.h"

class ListViewCallItemPrivate
{
public:
    // The clock every call row measures durations with; nullptr restores the steady clock.
    static void setClock(ListViewCallItem::Clock clock) { ListViewCallItem::s_clock = clock; }
    static QPixmap thumbnail(const ListViewCallItem &item) { return item.m_thumbnail; }
    // The duration as last painted, "hh:mm:ss".
    static QString timeText(const ListViewCallItem &item) { return item.m_timeText; }
};
