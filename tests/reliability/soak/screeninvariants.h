#pragma once

#include "../testhooks.h"

#include "listview.h"
#include "listviewsettingitems.h"
#include "selectpopup.h"
#include "toast.h"

#include <QApplication>
#include <QProcess>

// What must hold of the application's screens between any two events, whatever came before:
// one popup and one notice of each kind on screen at most, the settings rows selectable
// exactly while "Use Hotspot" is checked (once the screen is on show), selections inside their
// lists, no guard running behind a hidden screen and no pile-up of processes.
namespace ScreenInvariants {

// The notices, list and guard of one screen (not those of its sub-screen).
inline void checkScreen(QWidget *screen, const QString &name, QStringList *violations)
{
    int shown = 0;
    int waitShown = 0;
    for (Toast *toast : screen->findChildren<Toast *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (toast->isVisible())
            ++(qobject_cast<ToastWait *>(toast) ? waitShown : shown);
    }
    if (shown > 1 || waitShown > 1)
        *violations << QStringLiteral("%1 shows %2 result and %3 progress notices")
                           .arg(name)
                           .arg(shown)
                           .arg(waitShown);
    auto list = screen->findChild<ListView *>(QString(), Qt::FindDirectChildrenOnly);
    if (!list || list->selectedIdx() < -1
        || (list->itemSize() > 0 && list->selectedIdx() >= list->itemSize()))
        *violations << name + QStringLiteral(" has no list or selects a row outside it");
    const bool guarding = TestHooks::guarding(screen);
    if (guarding && !screen->isVisible())
        *violations << name + QStringLiteral(" is hidden with its guard running");
    if (waitShown > 0 && !guarding)
        *violations << name + QStringLiteral(" shows a progress notice with no guard running");
}

inline QStringList check(SettingsHotspot *screen)
{
    QStringList violations;
    if (!screen)
        return violations;
    int popupsShown = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!qobject_cast<SelectPopup *>(widget) || !widget->isVisible())
            continue;
        ++popupsShown;
        // A popup is a window of its own: it does not go away with its screen by itself.
        if (widget->parentWidget() && !widget->parentWidget()->isVisible())
            violations << QStringLiteral("a selection popup stays on show over a hidden screen");
    }
    if (popupsShown > 1)
        violations << QStringLiteral("%1 selection popups are shown").arg(popupsShown);
    checkScreen(screen, QStringLiteral("the settings screen"), &violations);

    // Rows are set up by the load that every start does; a screen never started is not shown.
    auto list = screen->findChild<ListView *>(QString(), Qt::FindDirectChildrenOnly);
    if (list && list->itemSize() != 5) {
        violations << QStringLiteral("the settings screen has %1 rows").arg(list->itemSize());
    } else if (list && screen->isVisible()) {
        auto useHotspot = dynamic_cast<ListViewCheckItem *>(list->item(0));
        const bool on = useHotspot && useHotspot->isChecked();
        for (int idx = 1; idx < 5; ++idx) {
            if (list->item(idx)->m_itemSelectEnable != on)
                violations << QStringLiteral("row %1 is selectable: %2, Use Hotspot is on: %3")
                                  .arg(idx)
                                  .arg(!on)
                                  .arg(on);
        }
    }

    if (auto info = screen->findChild<SettingsHotspotInfo *>()) {
        checkScreen(info, QStringLiteral("the devices screen"), &violations);
        // Each query and each disconnect replaces the one before.
        const int processes = info->findChildren<QProcess *>().size();
        if (processes > 2)
            violations << QStringLiteral("the devices screen keeps %1 processes").arg(processes);
    }
    return violations;
}
} // namespace ScreenInvariants
