// The overlay editors that the list places over the text box of the selected row, and how
// what is typed there reaches the row.
#include "listview.h"

#include "core.h"
#include "listview_p.h"
#include "listviewdatetimeitems.h"
#include "listviewsettingitems.h"
#include "listviewvalueitems.h"
#include "palette.h"

#include <QCommonStyle>
#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegExpValidator>

using namespace ListViewRows;

namespace {

QRegExp ipAddressPattern()
{
    const QString octet = QStringLiteral("(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])");
    return QRegExp(QStringLiteral("^%1\\.%1\\.%1\\.%1$").arg(octet), Qt::CaseSensitive);
}

// One plain style for every overlay: it fills the editor's whole rectangle with its base
// colour, square to the row's text box.
QStyle *overlayStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new QCommonStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

QLineEdit *ListView::createOverlay(const QString &inputMask)
{
    auto *overlay = new QLineEdit(this);
    // Before the connection: applying a mask changes the text.
    overlay->setInputMask(inputMask);
    overlay->installEventFilter(this);
    // Colours through the palette rather than a style sheet, whose style costs on every paint.
    overlay->setStyle(overlayStyle());
    overlay->setFrame(false);
    QPalette colours = overlay->palette();
    colours.setColor(QPalette::Base, WidgetPalette::editorBackground());
    colours.setColor(QPalette::Text, WidgetPalette::editorText());
    // The block cursor of a masked editor shows its character in the window colour.
    colours.setColor(QPalette::Window, WidgetPalette::editorBackground());
    overlay->setPalette(colours);
    // Its solid background covers it whole: a typed character need not repaint the row below.
    overlay->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(overlay, SIGNAL(textChanged(QString)), this, SLOT(lineEditTextChanged(QString)));
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
    disconnect(overlay, SIGNAL(textChanged(QString)), this, SLOT(lineEditTextChanged(QString)));
    if (maxLength > 0)
        overlay->setMaxLength(maxLength);
    overlay->setText(text);
    connect(overlay, SIGNAL(textChanged(QString)), this, SLOT(lineEditTextChanged(QString)));
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
    const int kind = row ? row->type() : ListViewItem::Plain;
    const bool textBox = kind == ListViewItem::LineEdit || usesEditText(row);
    if (!textBox)
        hideOverlay(m_lineEdit);
    if (kind != ListViewItem::TimeEdit)
        hideOverlay(m_timeLineEdit);

    QLineEdit *editor = nullptr;
    if (textBox) {
        auto *edit = static_cast<ListViewEditItem *>(row);
        editor = lineEdit();
        setEditorValidator(nullptr);
        editor->setEchoMode(edit->echoPasswordMode() ? QLineEdit::Password : QLineEdit::Normal);
        editor->setDisabled(edit->editTextDisabled());
        fillOverlay(editor, edit->editText(), edit->getMaxLength());
    } else if (kind == ListViewItem::TimeEdit) {
        if (!m_timeLineEdit) {
            m_timeLineEdit = createOverlay(QStringLiteral("99:99"));
            m_timeLineEdit->update();
        }
        editor = m_timeLineEdit;
        fillOverlay(editor, static_cast<ListViewTimeEditItem *>(row)->getTime());
        editor->setCursorPosition(0);
    } else {
        return;
    }
    editor->setGeometry(editorGeometry(row));
    editor->show();
    editor->raise();
    if (kind == ListViewItem::LineEdit) {
        auto *edit = static_cast<ListViewLineEditItem *>(row);
        if (edit->isIPValidate())
            setEditorValidator(new QRegExpValidator(ipAddressPattern(), this));
        else if (edit->isSipPortValidate())
            setEditorValidator(new QIntValidator(10000, 65535, this));
    }
    editor->setFocus(Qt::OtherFocusReason);
}

QRect ListView::editorGeometry(ListViewItem *row)
{
    // The editor covers the inside of the row's text box, 5 to 33 pixels down the row.
    const QRect g = row->geometry();
    int left = g.left() + 132;
    int right = g.right() - 21;
    switch (row->type()) {
    case ListViewItem::LineEdit:
        left += static_cast<ListViewLineEditItem *>(row)->editTextLeftMargin();
        break;
    case ListViewItem::CheckLineEdit: {
        auto *edit = static_cast<ListViewCheckLineEditItem *>(row);
        if (edit->useTitleText()) {
            left += edit->editTextLeftMargin();
        } else {
            left = g.left() + 61;
            right = g.right() - edit->editTextLeftMargin() - 38;
        }
        break;
    }
    case ListViewItem::TimeEdit:
        left = g.left() + 214;
        right = g.left() + 389;
        break;
    default:
        return QRect();
    }
    return QRect(QPoint(left, g.top() + 5), QPoint(right, g.top() + 33));
}

bool ListView::eventFilter(QObject *watched, QEvent *e)
{
    const bool overlay = watched && (watched == m_lineEdit || watched == m_timeLineEdit);
    if (overlay && e->type() == QEvent::ShortcutOverride) {
        // A plain character is the editor's to type, as QLineEdit itself would answer after
        // matching it against every standard shortcut first, on every key.
        auto *keyEvent = static_cast<QKeyEvent *>(e);
        const Qt::KeyboardModifiers modifiers = keyEvent->modifiers();
        if ((modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier
                || modifiers == Qt::KeypadModifier)
            && keyEvent->key() < Qt::Key_Escape
            && !static_cast<QLineEdit *>(watched)->isReadOnly()) {
            keyEvent->accept();
            return true;
        }
    }
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
