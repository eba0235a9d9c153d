// The list's rows, paging and selection. Its keys, overlay editors and painting live in
// listviewkeys.cpp, listvieweditors.cpp and listviewpaint.cpp.
#include "listview.h"

#include "listview_p.h"

#include <QDebug>
#include <QEvent>
#include <QRegion>

using namespace ListViewRows;

ListView::ListView(QWidget *parent)
    : QWidget(parent)
    , m_emptyString(tr("No Items"))
{
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_longPressTimer, SIGNAL(timeout()), this, SLOT(longPressTimeout()));
}

ListView::~ListView()
{
    qDeleteAll(m_items);
    m_items.clear();
}

void ListView::addItem(ListViewItem *item)
{
    m_items.append(item);
}

ListViewItem *ListView::item(int idx) const
{
    if (idx < 0 || idx >= m_items.size())
        return nullptr;
    return m_items.at(idx);
}

ListViewItem *ListView::item(const QString &text) const
{
    for (ListViewItem *row : m_items) {
        if (row && row->text() == text)
            return row;
    }
    return nullptr;
}

void ListView::removeItem(int idx)
{
    if (idx < 0 || idx >= m_items.size())
        return;
    ListViewItem *row = m_items.takeAt(idx);
    const int kind = row ? row->type() : ListViewItem::Plain;
    // The time row is included so that its overlay does not go on editing the next row.
    const bool hadOverlay
        = kind == ListViewItem::LineEdit || kind == ListViewItem::TimeEdit || usesEditText(row);
    delete row;
    if (m_selectedIdx >= m_items.size())
        setSelectedIdx(m_items.size() - 1);
    if (hadOverlay)
        scheduleCheckFocus();
}

void ListView::moveItem(int from, int to)
{
    m_items.move(from, to);
}

void ListView::itemClear()
{
    while (!m_items.isEmpty())
        delete m_items.takeLast();
}

void ListView::setPage(int page)
{
    if (page < 0) {
        qDebug() << "ListView::setPage value:" << page;
        return;
    }
    if (page > m_items.size() / m_pageCount) {
        qDebug() << "ListView::setPage overValue:" << page;
        return;
    }
    m_page = page;
}

void ListView::setPageCount(int count)
{
    // Paging and painting divide by the page count, so 0 is refused like a negative count.
    if (count <= 0) {
        qDebug() << "ListView::setPageCount pageCount:" << count;
        return;
    }
    m_pageCount = count;
}

int ListView::maxPage() const
{
    return m_items.size() / m_pageCount - 1;
}

void ListView::nextPage()
{
    const int count = m_items.size();
    if (m_startIdx < count) {
        m_startIdx += m_pageCount;
        m_page += 1;
    }
    if (m_startIdx >= count) {
        m_startIdx = 0;
        m_page = 0;
    }
    setSelectedIdx(m_startIdx);
    update();
    qDebug() << "ListView::nextPage m_startIdx:" << m_startIdx << " m_selectedIdx:" << m_selectedIdx
             << " m_page:" << m_page;
}

void ListView::prevPage()
{
    const int count = m_items.size();
    m_startIdx -= m_pageCount;
    m_page -= 1;
    if (m_startIdx < 0) {
        if (count == 0) {
            m_startIdx = 0;
            m_page = 0;
        } else {
            m_page = (count + m_pageCount - 1) / m_pageCount - 1;
            m_startIdx = m_page * m_pageCount;
        }
    }
    setSelectedIdx(m_startIdx);
    update();
}

void ListView::setSelectedIdx(int idx)
{
    if (idx >= m_items.size()) {
        qDebug() << "ListView::setSelectedIdx invalid idx:" << idx;
        return;
    }
    if (idx >= 0) {
        const ListViewItem *row = item(idx);
        if (!row) {
            qWarning() << "ListView::setSelectedIdx currItem is null! idx:" << idx;
            return;
        }
        if (!row->m_itemSelectEnable) {
            qDebug() << "ListView::setSelectedIdx curr item is disale! idx:" << idx;
            return;
        }
    }
    const int previous = m_selectedIdx;
    m_selectedIdx = idx;
    if (previous != m_selectedIdx) {
        scheduleCheckFocus();
        emit focusChanged(m_selectedIdx);
        updateSelectionChange(previous, m_startIdx);
    } else {
        update();
    }
}

// Only the rows the selection left and reached change, and the scroll thumb that follows it;
// a list whose rows have not been painted where they are now is repainted whole.
void ListView::updateSelectionChange(int previousIdx, int previousStart)
{
    if (m_startIdx != previousStart || m_paintedStartIdx != m_startIdx) {
        update();
        return;
    }
    QRegion dirty;
    for (const int idx : {previousIdx, m_selectedIdx}) {
        const ListViewItem *row = item(idx);
        if (row && idx >= m_startIdx && idx < m_startIdx + m_pageCount)
            dirty += QRect(0, row->geometry().top(), width(), row->geometry().height());
    }
    if (m_items.size() > m_pageCount)
        dirty += QRect(width() - m_scrollRightMargin - 8, 0, m_scrollRightMargin + 8, height());
    update(dirty);
}

int ListView::searchNextItemIndex(int startIdx, bool isInverseOrder)
{
    const int count = m_items.size();
    if (startIdx < 0) {
        qDebug() << "ListView::searchNextItemIndex startIdx is under zero! idx:" << startIdx;
        return 0;
    }
    if (startIdx >= count) {
        qDebug() << "ListView::searchNextItemIndex startIdx is over size! idx:" << startIdx;
        return count - 1;
    }
    const int step = isInverseOrder ? -1 : 1;
    for (int idx = startIdx; idx >= 0 && idx < count; idx += step) {
        const ListViewItem *row = m_items.at(idx);
        if (!row) {
            qWarning() << "ListView::searchNextItemIndex currItem is null! === ERRROR idx:" << idx
                       << " startIndexValue:" << startIdx << " isInverseOrder:" << isInverseOrder;
            return startIdx;
        }
        if (row->m_itemSelectEnable)
            return idx;
    }
    return -1;
}

int ListView::keyToItemIdx(int key)
{
    if (!m_enableFuncKey || key < m_startFuncKey || key > m_endFuncKey)
        return -1;
    int offset = key - m_startFuncKey;
    // F6 to F10 address the same five rows as F1 to F5.
    if (m_endFuncKey - m_startFuncKey > 5 && key >= m_startFuncKey + 5)
        offset = key - (m_startFuncKey + 5);
    if (offset < 0)
        return -1;
    return m_startIdx + offset;
}

void ListView::doClick()
{
    if (m_selectedIdx < 0)
        return;
    qDebug() << "ListView::doClick : " << m_selectedIdx;
    emit clickedFuncKey(m_selectedIdx);
}

void ListView::scheduleCheckFocus()
{
    QTimer::singleShot(1, this, SLOT(checkFocus()));
}

bool ListView::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        scheduleCheckFocus();
    return QWidget::event(e);
}

void ListView::focusInEvent(QFocusEvent *e)
{
    QWidget::focusInEvent(e);
    checkFocus();
    setSelectedIdx(selectedIdx());
}

void ListView::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (m_selectedIdx > 0)
        m_startIdx = (m_selectedIdx / m_pageCount) * m_pageCount;
    scheduleCheckFocus();
}
