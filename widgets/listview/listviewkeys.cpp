// The list's keys: arrows move the selection or change a level, Enter and the function keys
// click rows, and a held function key reports a long press.
#include "listview.h"

#include "callmanager.h"
#include "core.h"
#include "listview_p.h"
#include "listviewsettingitems.h"
#include "listviewvalueitems.h"

#include <QDebug>
#include <QKeyEvent>

#include <algorithm>

using namespace ListViewRows;

void ListView::keyPressEvent(QKeyEvent *e)
{
    m_keyPressFlag = true;
    const int idx = keyToItemIdx(e->key());
    if (idx == -1) {
        e->ignore();
        return;
    }
    e->accept();
    if (m_isEnabledLongPress && item(idx)) {
        setSelectedIdx(idx);
        m_longPressTimer.start(LongPressInterval);
    }
}

void ListView::longPressTimeout()
{
    m_longPressTimer.stop();
    if (!m_keyPressFlag)
        return;
    emit longPress(m_selectedIdx);
    if (!m_isVisibleSelectBackGround)
        m_selectedIdx = -1;
    update();
}

void ListView::keyReleaseEvent(QKeyEvent *e)
{
    e->ignore();
    // The press went to another widget: this release is not ours.
    if (!m_keyPressFlag)
        return;
    m_keyPressFlag = false;
    emit keyPressed(e->key());

    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!m_isEnabledArrowKeyMove) {
            qDebug() << "ListView::keyReleaseEvent skip Key_Up or Key_Down";
            return;
        }
        const int previous = m_selectedIdx;
        const int previousStart = m_startIdx;
        if (previous == -1)
            m_selectedIdx = searchNextItemIndex(0, false);
        else if (e->key() == Qt::Key_Down)
            moveSelectionDown(e);
        else
            moveSelectionUp();
        e->accept();
        updateSelectionChange(previous, previousStart);
        if (m_selectedIdx != previous)
            emit focusChanged(m_selectedIdx);
        scheduleCheckFocus();
        return;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (m_selectedIdx < 0)
            return;
        if (!m_isEnabledArrowKeyMove) {
            qDebug() << "ListView::keyReleaseEvent skip Key_Left or Key_Right";
            return;
        }
        changeProgress(e);
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (m_selectedIdx < 0)
            return;
        toggleCheck(item(m_selectedIdx));
        e->accept();
        qDebug() << "ListView::keyReleaseEvent emit clicked m_selectedIdx:" << m_selectedIdx;
        emit clicked(m_selectedIdx);
        return;
    default:
        break;
    }

    ListViewItem *selectedRow = item(m_selectedIdx);
    const bool volumeKey = e->key() == Qt::Key_VolumeDown || e->key() == Qt::Key_VolumeUp
        || e->key() == Qt::Key_VolumeMute;
    if (volumeKey && selectedRow && selectedRow->type() == ListViewItem::Progress) {
        changeProgress(e);
        return;
    }
    releaseFunctionKey(e);
}

void ListView::moveSelectionDown(QKeyEvent *e)
{
    const int previous = m_selectedIdx;
    const int count = m_items.size();
    bool found = false;
    while (m_selectedIdx + 1 < count) {
        ++m_selectedIdx;
        // The constant 5 rather than the page count: the shown window follows a five-row page.
        if (m_selectedIdx - m_startIdx == 5)
            ++m_startIdx;
        if (isSelectable(item(m_selectedIdx))) {
            found = true;
            break;
        }
    }
    if (found) {
        if (m_selectedIdx >= m_startIdx + m_pageCount)
            ++m_startIdx;
        return;
    }

    if (m_activeEndLeaveFocusSignal) {
        m_selectedIdx = previous;
        qDebug() << "ListView::keyReleaseEvent emit endLeaveFocus()";
        emit endLeaveFocus(e->key());
    } else {
        m_selectedIdx = searchNextItemIndex(0, false);
    }
    m_startIdx = m_selectedIdx + 1 - m_pageCount < 0 ? 0 : m_selectedIdx - 4;
    if (m_selectedIdx >= m_startIdx + m_pageCount)
        ++m_startIdx;
}

void ListView::moveSelectionUp()
{
    const int previous = m_selectedIdx;
    if (previous <= 0) {
        if (m_activeLeaveFocusSignal) {
            setSelectedIdx(0);
            emit leaveFocus();
            return;
        }
        m_selectedIdx = searchNextItemIndex(m_items.size() - 1, true);
        m_startIdx = std::max(0, m_selectedIdx + 1 - m_pageCount);
        qDebug() << "ListView::KeyReleaseEvent m_selectedIdx:" << m_selectedIdx
                 << " m_startIdx:" << m_startIdx;
        return;
    }

    int idx = previous - 1;
    while (idx >= 0 && !isSelectable(item(idx)))
        --idx;
    // Nothing selectable above: stay, without wrapping.
    m_selectedIdx = idx >= 0 ? idx : previous;
    if (m_startIdx > m_selectedIdx)
        --m_startIdx;
}

void ListView::changeProgress(QKeyEvent *e)
{
    ListViewItem *row = item(m_selectedIdx);
    if (!row || row->type() != ListViewItem::Progress)
        return;
    auto *progress = static_cast<ListViewProgressItem *>(row);
    int value = progress->value();
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_VolumeDown:
        value = std::max(value - progress->step(), progress->minValue());
        break;
    case Qt::Key_Right:
    case Qt::Key_VolumeUp:
        value = std::min(value + progress->step(), progress->maxValue());
        break;
    default:
        value = progress->minValue();
        break;
    }
    progress->setValue(value);
    e->accept();
    update();
    emit changeValue(m_selectedIdx, value);
}

void ListView::releaseFunctionKey(QKeyEvent *e)
{
    const int idx = keyToItemIdx(e->key());
    if (idx == -1 || idx >= m_items.size()) {
        qDebug() << "ListView::keyReleaseEvent invalid idx:" << idx
                 << " itemSize:" << m_items.size();
        e->ignore();
        return;
    }
    ListViewItem *row = item(idx);
    toggleCheck(row);

    // During a call the call screen owns the highlight; the row is still clicked.
    if (!m_isVisibleSelectBackGround)
        m_selectedIdx = -1;
    else if (!callStateGuard())
        setSelectedIdx(idx);
    if (!callStateGuard())
        update();

    e->accept();
    qDebug() << "ListView::keyReleaseEvent emit clicked idx:" << idx;
    if (!row) {
        qDebug() << "ListView::keyReleaseEvent cursor is null! idx:" << idx;
    } else if (row->m_itemSelectEnable) {
        emit clicked(idx);
        emit clickedFuncKey(idx);
    } else {
        qDebug() << "ListView::keyReleaseEvent item is disable!";
    }
}

void ListView::toggleCheck(ListViewItem *row)
{
    // A row that cannot be selected is shown disabled and must not change under the user.
    if (!isSelectable(row))
        return;
    if (row->type() == ListViewItem::Check) {
        auto *check = static_cast<ListViewCheckItem *>(row);
        if (!check->isNoValueChange()) {
            check->setChecked(!check->isChecked());
            update();
        }
    } else if (row->type() == ListViewItem::CheckLineEdit) {
        auto *check = static_cast<ListViewCheckLineEditItem *>(row);
        if (!check->isNoValueChange()) {
            check->setChecked(!check->isChecked());
            update();
        }
    }
}

bool ListView::callStateGuard() const
{
    if (!theCore || !theCore->callManager())
        return false;
    return theCore->callManager()->callState() != QLatin1String("IDLE") && theCore->m_callViewShown
        && !theCore->isVisibleMenu();
}
