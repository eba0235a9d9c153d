#include "screeninvariants.h"

#include "listview.h"
#include "listviewsettingitems.h"
#include "selectpopup.h"
#include "settings_hotspot.h"
#include "settings_hotspotinfo.h"
#include "toast.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>

namespace ScreenInvariants {

namespace {

    ListView *listOf(QWidget *screen)
    {
        return screen->findChild<ListView *>(QString(), Qt::FindDirectChildrenOnly);
    }

    QList<Toast *> noticesOf(QWidget *screen)
    {
        return screen->findChildren<Toast *>(QString(), Qt::FindDirectChildrenOnly);
    }

    // Notices of one screen (not those of its sub-screen) on show.
    void checkNotices(QWidget *screen, const QString &name, QStringList *violations)
    {
        int shown = 0;
        int waitShown = 0;
        for (Toast *toast : noticesOf(screen)) {
            if (!toast->isVisible())
                continue;
            if (qobject_cast<ToastWait *>(toast))
                ++waitShown;
            else
                ++shown;
        }
        if (shown > 1)
            *violations << QStringLiteral("%1 shows %2 result notices").arg(name).arg(shown);
        if (waitShown > 1)
            *violations << QStringLiteral("%1 shows %2 progress notices").arg(name).arg(waitShown);
    }

    void checkList(QWidget *screen, const QString &name, QStringList *violations)
    {
        ListView *list = listOf(screen);
        if (!list) {
            *violations << QStringLiteral("%1 has no list").arg(name);
            return;
        }
        const int selected = list->selectedIdx();
        if (selected < -1 || (list->itemSize() > 0 && selected >= list->itemSize())) {
            *violations << QStringLiteral("%1 selects row %2 of %3")
                               .arg(name)
                               .arg(selected)
                               .arg(list->itemSize());
        }
    }

    void checkGuard(QWidget *screen, QTimer *guard, const QString &name, QStringList *violations)
    {
        if (guard && guard->isActive() && !screen->isVisible())
            *violations << QStringLiteral("%1 is hidden with its guard running").arg(name);
        bool waiting = false;
        for (ToastWait *wait :
            screen->findChildren<ToastWait *>(QString(), Qt::FindDirectChildrenOnly))
            waiting = waiting || wait->isVisible();
        if (waiting && !(guard && guard->isActive()))
            *violations
                << QStringLiteral("%1 shows a progress notice with no guard running").arg(name);
    }

} // namespace

QStringList check(SettingsHotspot *screen)
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

    checkNotices(screen, QStringLiteral("the settings screen"), &violations);
    checkList(screen, QStringLiteral("the settings screen"), &violations);
    checkGuard(screen, screen->guardTimer(), QStringLiteral("the settings screen"), &violations);

    // Rows are set up by the load that every start does; a screen built but never started
    // is not on show.
    ListView *list = listOf(screen);
    if (list && list->itemSize() == 5 && screen->isVisible()) {
        auto useHotspot = dynamic_cast<ListViewCheckItem *>(list->item(0));
        const bool on = useHotspot && useHotspot->isChecked();
        for (int idx = 1; idx < 5; ++idx) {
            if (list->item(idx)->m_itemSelectEnable != on) {
                violations << QStringLiteral("row %1 is %2 while Use Hotspot is %3")
                                  .arg(idx)
                                  .arg(on ? QStringLiteral("disabled") : QStringLiteral("enabled"))
                                  .arg(on ? QStringLiteral("on") : QStringLiteral("off"));
                break;
            }
        }
    } else if (list && list->itemSize() != 5) {
        violations << QStringLiteral("the settings screen has %1 rows").arg(list->itemSize());
    }

    auto info = screen->findChild<SettingsHotspotInfo *>();
    if (info) {
        checkNotices(info, QStringLiteral("the devices screen"), &violations);
        checkList(info, QStringLiteral("the devices screen"), &violations);
        checkGuard(info, info->guardTimer(), QStringLiteral("the devices screen"), &violations);
        // Each query and each disconnect replaces the one before.
        const int processes = info->findChildren<QProcess *>().size();
        if (processes > 2)
            violations << QStringLiteral("the devices screen keeps %1 processes").arg(processes);
    }
    return violations;
}

QStringList checkPileUp(SettingsHotspot *screen, int blockedFrames)
{
    QStringList violations;
    if (!screen)
        return violations;
    int popups = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        popups += qobject_cast<SelectPopup *>(widget) ? 1 : 0;
    if (popups > blockedFrames)
        violations << QStringLiteral("%1 selection popups are alive").arg(popups);

    // A result notice and a progress notice each, and what the blocked handlers hold.
    const int bound = 2 + 2 * blockedFrames;
    const auto checkScreen = [&violations, bound](QWidget *owner, const QString &name) {
        const QList<Toast *> notices = noticesOf(owner);
        if (notices.size() <= bound)
            return;
        QStringList texts;
        for (Toast *notice : notices)
            texts << QLatin1Char('"') + notice->message() + QLatin1Char('"');
        violations << QStringLiteral("%1 keeps %2 notices alive: %3")
                          .arg(name)
                          .arg(notices.size())
                          .arg(texts.join(QLatin1Char(' ')));
    };
    checkScreen(screen, QStringLiteral("the settings screen"));
    if (auto info = screen->findChild<SettingsHotspotInfo *>())
        checkScreen(info, QStringLiteral("the devices screen"));
    return violations;
}

} // namespace ScreenInvariants
