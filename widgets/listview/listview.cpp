#include "listview.h"

#include "callmanager.h"
#include "core.h"
#include "listviewdatetimeitems.h"
#include "listviewitem.h"
#include "listviewsettingitems.h"
#include "listviewvalueitems.h"

#include <QDebug>
#include <QKeyEvent>
#include <QLineEdit>
#include <QImage>
#include <QPainter>
#include <QRegExpValidator>

#include <algorithm>

namespace {

bool isSelectable(const ListViewItem *row)
{
    return row && row->m_itemSelectEnable;
}

// Check-and-edit rows with their text box in use take the line-edit overlay.
bool usesEditText(ListViewItem *row)
{
    return row && row->type() == ListViewItem::CheckLineEdit
        && static_cast<ListViewCheckLineEditItem *>(row)->useEditText();
}

QRegExp ipAddressPattern()
{
    const QString octet = QStringLiteral("(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])");
    return QRegExp(QStringLiteral("^%1\\.%1\\.%1\\.%1$").arg(octet), Qt::CaseSensitive);
}

} // namespace

ListView::ListView(QWidget *parent)
    : QWidget(parent)
    , m_emptyString(tr("No Items"))
{
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_longPressTimer, &QTimer::timeout, this, &ListView::longPressTimeout);
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
    }
    update();
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
    QTimer::singleShot(1, this, &ListView::checkFocus);
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
        if (previous == -1)
            m_selectedIdx = searchNextItemIndex(0, false);
        else if (e->key() == Qt::Key_Down)
            moveSelectionDown(e);
        else
            moveSelectionUp();
        e->accept();
        update();
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

QLineEdit *ListView::createOverlay(const QString &inputMask)
{
    auto *overlay = new QLineEdit(this);
    // Before the connection: applying a mask changes the text.
    overlay->setInputMask(inputMask);
    overlay->installEventFilter(this);
    overlay->setStyleSheet(
        QStringLiteral("QLineEdit {background-color: #546483; color: #ffffff; border: none; }"));
    connect(overlay, &QLineEdit::textChanged, this, &ListView::lineEditTextChanged);
    return overlay;
}

QLineEdit *ListView::lineEdit()
{
    if (!m_lineEdit) {
        m_lineEdit = createOverlay();
        m_lineEdit->setObjectName(QStringLiteral("ListView::m_lineEdit"));
    }
    return m_lineEdit;
}

void ListView::hideOverlay(QLineEdit *overlay)
{
    if (!overlay || overlay->isHidden())
        return;
    overlay->hide();
    setFocus(Qt::OtherFocusReason);
}

void ListView::fillOverlay(QLineEdit *overlay, const QString &text, int maxLength)
{
    // Only the list's own connection is dropped, so filling reports no change while
    // connections that screens made to the editor survive. A shorter limit cuts the previous
    // row's text, which must not reach the new row either.
    disconnect(overlay, &QLineEdit::textChanged, this, &ListView::lineEditTextChanged);
    if (maxLength > 0)
        overlay->setMaxLength(maxLength);
    overlay->setText(text);
    connect(overlay, &QLineEdit::textChanged, this, &ListView::lineEditTextChanged);
}

void ListView::setEditorValidator(QValidator *validator)
{
    m_lineEdit->setValidator(validator);
    // Each selection makes a new validator; the one it replaces is no longer used.
    if (m_editorValidator && m_editorValidator != validator)
        delete m_editorValidator;
    m_editorValidator = validator;
}

void ListView::checkFocus()
{
    ListViewItem *row = m_selectedIdx == -1 ? nullptr : item(m_selectedIdx);
    if (!row) {
        hideOverlay(m_lineEdit);
        hideOverlay(m_timeLineEdit);
        return;
    }
    const int kind = row->type();
    if (kind != ListViewItem::LineEdit && !usesEditText(row))
        hideOverlay(m_lineEdit);
    if (kind != ListViewItem::TimeEdit)
        hideOverlay(m_timeLineEdit);

    const QRect g = row->geometry();
    if (kind == ListViewItem::LineEdit) {
        auto *edit = static_cast<ListViewLineEditItem *>(row);
        QLineEdit *editor = lineEdit();
        setEditorValidator(nullptr);
        const int left = g.left() + 125 + edit->editTextLeftMargin() + 7;
        editor->setEchoMode(edit->echoPasswordMode() ? QLineEdit::Password : QLineEdit::Normal);
        editor->setDisabled(edit->editTextDisabled());
        fillOverlay(editor, edit->editText(), edit->getMaxLength());
        editor->setGeometry(QRect(QPoint(left, g.top() + 5), QPoint(g.right() - 21, g.top() + 33)));
        editor->show();
        editor->raise();
        if (edit->isIPValidate())
            setEditorValidator(new QRegExpValidator(ipAddressPattern(), this));
        else if (edit->isSipPortValidate())
            setEditorValidator(new QIntValidator(10000, 65535, this));
        editor->setFocus(Qt::OtherFocusReason);
    } else if (usesEditText(row)) {
        auto *edit = static_cast<ListViewCheckLineEditItem *>(row);
        QLineEdit *editor = lineEdit();
        setEditorValidator(nullptr);
        qDebug() << "ListView::LineEditItem  useTitleText:" << edit->useTitleText();
        const int margin = edit->editTextLeftMargin();
        const int left = edit->useTitleText() ? g.left() + 125 + margin + 7 : g.left() + 54 + 7;
        const int right = edit->useTitleText() ? g.right() - 21 : g.right() - margin - 38;
        editor->setEchoMode(edit->echoPasswordMode() ? QLineEdit::Password : QLineEdit::Normal);
        editor->setDisabled(edit->editTextDisabled());
        fillOverlay(editor, edit->editText(), edit->getMaxLength());
        editor->setGeometry(QRect(QPoint(left, g.top() + 5), QPoint(right, g.top() + 33)));
        editor->show();
        editor->raise();
        editor->setFocus(Qt::OtherFocusReason);
    } else if (kind == ListViewItem::TimeEdit) {
        if (!m_timeLineEdit) {
            m_timeLineEdit = createOverlay(QStringLiteral("99:99"));
            m_timeLineEdit->update();
        }
        fillOverlay(m_timeLineEdit, static_cast<ListViewTimeEditItem *>(row)->getTime());
        m_timeLineEdit->setCursorPosition(0);
        m_timeLineEdit->setGeometry(
            QRect(QPoint(g.left() + 214, g.top() + 5), QPoint(g.left() + 389, g.top() + 33)));
        m_timeLineEdit->show();
        m_timeLineEdit->raise();
        m_timeLineEdit->setFocus(Qt::OtherFocusReason);
    }
}

bool ListView::eventFilter(QObject *watched, QEvent *e)
{
    const bool overlay = watched && (watched == m_lineEdit || watched == m_timeLineEdit);
    if (overlay && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        ListViewItem *row = item(m_selectedIdx);
        // Enter belongs to the list's click, except in the check-and-edit row's editor.
        if ((key == Qt::Key_Enter || key == Qt::Key_Return) && row
            && row->type() != ListViewItem::CheckLineEdit)
            return true;
    }
    return QWidget::eventFilter(watched, e);
}

void ListView::lineEditTextChanged(const QString &text)
{
    emit textChanged(text);
    ListViewItem *row = item(m_selectedIdx);
    if (!row)
        return;

    if (usesEditText(row)) {
        static_cast<ListViewCheckLineEditItem *>(row)->setEditText(text);
        emit changeLineEditText(m_selectedIdx, text);
    } else if (row->type() == ListViewItem::LineEdit) {
        auto *edit = static_cast<ListViewLineEditItem *>(row);
        edit->setEditText(text);
        const QByteArray encoded = getEncodedString(text);
        const int length = int(qstrnlen(encoded.constData(), uint(encoded.size())));
        if (edit->getMaxBytes() > 0 && edit->getMaxBytes() < length) {
            // Past the byte limit: the list takes the focus back, which refills the editor
            // with the row's shortened text, and the input method starts afresh.
            setFocus(Qt::OtherFocusReason);
            if (theCore)
                theCore->setIMEStatus(theCore->getIMEStatus(), true);
            emit changeLineEditText(m_selectedIdx, edit->editText());
        } else {
            emit changeLineEditText(m_selectedIdx, text);
        }
    } else if (row->type() == ListViewItem::TimeEdit) {
        static_cast<ListViewTimeEditItem *>(row)->setTime(text);
        emit changeLineEditText(m_selectedIdx, text);
    }
}

void ListView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.save();
    if (!m_backgroundPixmap.isNull())
        painter.drawPixmap(0, 0, m_backgroundPixmap);
    else
        painter.fillRect(rect(), m_backgroundColor);

    if (m_showEmptyString && m_items.isEmpty()) {
        painter.setPen(QColor(89, 89, 89, 255));
        painter.drawText(rect(), Qt::AlignCenter, m_emptyString);
        painter.restore();
        return;
    }

    const int rowHeight = height() / m_pageCount;
    const int right = width() - m_lineRightMargin - 1;
    const bool focused = hasFocus();
    bool selectedMoved = false;
    for (int idx = m_startIdx, i = 0; idx < m_startIdx + m_pageCount && idx < m_items.size();
         ++idx, ++i) {
        ListViewItem *row = item(idx);
        if (!row)
            break;
        const int top = i * (rowHeight + 1);
        QRect rowRect(QPoint(m_lineLeftMargin, top), QPoint(right, top + rowHeight - 1));
        selectedMoved = selectedMoved || (idx == m_selectedIdx && row->geometry() != rowRect);
        row->setGeometry(rowRect);
        row->setFocus(focused);
        row->setSelected(idx == m_selectedIdx);
        row->paint(&painter, rowRect);
        painter.fillRect(
            QRect(QPoint(m_lineLeftMargin, top + rowHeight), QPoint(right, top + rowHeight)),
            QColor(195, 195, 195, 255));
    }
    paintScrollBar(&painter);
    painter.restore();
    // A row learns its place when it is painted; an editor placed before that (a new page, a
    // first show) sits where the row is not, so it is placed again.
    if (selectedMoved)
        scheduleCheckFocus();
}

void ListView::paintScrollBar(QPainter *painter)
{
    const int n = m_items.size();
    const int p = m_pageCount;
    if (n <= p)
        return;
    // Single precision, as the device draws it.
    const float bottomLimit = float(height() - m_scrollBottomMargin);
    const float track = float(height() - m_scrollTopMargin - m_scrollBottomMargin);
    const float selected = m_selectedIdx < 0 ? 0.0f : float(m_selectedIdx);
    float length = track * (1.0f - float(n - p) / float(n - 1));
    if (length < 40.0f)
        length = 40.0f;
    const float top = selected * ((track / float(n - 1)) * float(n - p) / float(n - 1))
        + float(m_scrollTopMargin);
    if (top + length >= bottomLimit) {
        length -= top + length - bottomLimit;
        if (length <= 0.0f)
            length = 1.0f;
    }
    // The raster engine fills a translucent rectangle a line at a time, which costs more than
    // the rest of the bar; a ready-made strip of the thumb's colour is blended in one go. The
    // edges are rounded as the engine rounds those of a filled rectangle.
    const QRectF thumb(width() - 1 - m_scrollRightMargin - 5, top, 6, length);
    const QRect pixels(QPoint(qRound(thumb.left()), qRound(thumb.top())),
        QPoint(qRound(thumb.right()) - 1, qRound(thumb.bottom()) - 1));
    static const QImage strip = [] {
        QImage image(6, 1024, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(178, 178, 178, 160));
        return image;
    }();
    if (pixels.width() == strip.width() && pixels.height() <= strip.height())
        painter->drawImage(pixels.topLeft(), strip, QRect(QPoint(0, 0), pixels.size()));
    else
        painter->fillRect(thumb, QColor(178, 178, 178, 160));
}
