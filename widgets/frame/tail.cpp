#include "tail.h"
#include "ui_tail.h"

#include "core.h"
#include "keyinjector.h"
#include "palette.h"

#include <QDebug>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// Button index of a soft key, or -1 for any other key.
int keyToIndex(int key)
{
    switch (key) {
    case Qt::Key_F11:
        return 0;
    case Qt::Key_F12:
        return 1;
    case Qt::Key_F13:
        return 2;
    case Qt::Key_F14:
        return 3;
    case Qt::Key_F15:
        return 4;
    default:
        return -1;
    }
}

// Horizontal extent of each button's pressed highlight, inclusive.
const int pressedLeft[5] = {0, 96, 192, 289, 385};
const int pressedRight[5] = {94, 190, 287, 383, 479};
const int separatorX[4] = {95, 191, 288, 384};

const int textPointSize = 18;
const int smallestPointSize = 13;
const int textMargin = 6;

// A text too wide for its key is drawn smaller, so that it never runs into the separators.
void setFittedText(QPushButton *button, const QString &text)
{
    QFont font = button->font();
    font.setPointSize(textPointSize);
    const int room = button->width() - 2 * textMargin;
    while (font.pointSize() > smallestPointSize
        && QFontMetrics(font).boundingRect(text).width() > room)
        font.setPointSize(font.pointSize() - 1);
    button->setFont(font);
    button->setText(text);
}

} // namespace

Tail::Tail(QWidget *parent)
    : QLabel(parent)
    , ui(new Ui_Tail)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);

    connect(&m_longPressTimer, SIGNAL(timeout()), this, SLOT(longPressTimeout()));
    connect(ui->buttonGroup, SIGNAL(buttonClicked(QAbstractButton *)), this,
        SLOT(clickedFunction(QAbstractButton *)));

    m_funcButtons[0] = ui->func1Button;
    m_funcButtons[1] = ui->func2Button;
    m_funcButtons[2] = ui->func3Button;
    m_funcButtons[3] = ui->func4Button;
    m_funcButtons[4] = ui->func5Button;
    for (QPushButton *button : m_funcButtons) {
        QFont font;
        font.setPointSize(18);
        button->setFont(font);
        button->installEventFilter(this);
    }

    if (theCore && theCore->ime())
        connect(theCore->ime(), SIGNAL(changedIMEStatus(int)), this, SLOT(changedIMEStatus(int)));

    for (int idx = 0; idx < 5; ++idx)
        m_funcTexts.insert(idx, QString());
}

Tail::~Tail()
{
    delete ui;
}

void Tail::setFuncButtonText(int idx, const QString &text)
{
    if (uint(idx) > 4) {
        qDebug() << "Tail::setFuncButtonText invalid idx:" << idx;
        return;
    }
    QPushButton *btn = m_funcButtons[idx];
    // Screens set the keys again whenever their selection moves; a key that already shows
    // this plain text would only be measured, fitted and repainted for nothing.
    if (text == btn->text() && !text.startsWith(QLatin1Char('<'))
        && !text.endsWith(QLatin1Char('>')) && m_funcTexts.value(idx).isEmpty()
        && btn->icon().isNull() && (idx != 3 || text == m_func4Text))
        return;
    m_funcTexts[idx] = QString();

    const QString open = tr("<>");
    const QString close = tr("><");
    if (idx == 3) {
        m_func4Text = text;
    } else if (idx == 4 && (text == open || text == close)) {
        btn->setIcon(
            QIcon(QPixmap(text == open ? QStringLiteral(":/ui/images/icon_bar_open.png")
                                       : QStringLiteral(":/ui/images/icon_bar_close.png"))));
        btn->setText(QString());
        m_funcTexts[4] = text;
    }

    const bool leftArrow = text != open && text.startsWith(QLatin1Char('<'));
    const bool rightArrow = !leftArrow && text != open && text.endsWith(QLatin1Char('>'));
    if (leftArrow || rightArrow) {
        btn->setIcon(
            QIcon(QPixmap(leftArrow ? QStringLiteral(":/ui/images/menu_bar_arrow_left.png")
                                    : QStringLiteral(":/ui/images/menu_bar_arrow_right.png"))));
        btn->setText(QString());
        if (idx == 3)
            m_func4Text = QLatin1String("");
        m_funcTexts[idx] = text;
    } else if (text != open && text != close) {
        btn->setIcon(QIcon(QPixmap()));
        setFittedText(btn, text);
    }
    btn->update();
}

QString Tail::funcButtonText(int idx) const
{
    if (uint(idx) > 4) {
        qDebug() << "Tail::funcButtonText invalid idx:" << idx;
        return QString();
    }
    const QString visible = m_funcButtons[idx]->text();
    if (!visible.isEmpty())
        return visible;
    return m_funcTexts.value(idx);
}

QPushButton *Tail::button(int idx) const
{
    if (uint(idx) > 4) {
        qDebug() << "Tail::button invalid idx:" << idx;
        return nullptr;
    }
    return m_funcButtons[idx];
}

void Tail::setButtonTextColor(int idx, const QColor &color)
{
    if (QPushButton *btn = button(idx)) {
        m_buttonColors[idx] = color;
        btn->update();
    }
}

int Tail::buttonWidth(int idx) const
{
    if (QPushButton *btn = button(idx))
        return btn->width();
    return width() / 5;
}

int Tail::findButtonIndex(const QString &text, int from, int to) const
{
    const int start = (from >= 0 && from <= 4) ? qMin(from, to) : 0;
    for (int idx = start; idx <= 4; ++idx) {
        QPushButton *btn = button(idx);
        if (btn && btn->text().contains(text))
            return idx;
    }
    return -1;
}

bool Tail::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowUnblocked:
        m_blocked = false;
        break;
    case QEvent::WindowBlocked:
        m_blocked = true;
        break;
    default:
        break;
    }
    return QLabel::event(e);
}

void Tail::keyPressEvent(QKeyEvent *e)
{
    const int index = keyToIndex(e->key());
    if (index < 0)
        return;
    if (funcButtonText(index).isEmpty())
        return;
    m_pressed = true;
    m_pressedKey = e->key();
    m_longPressTimer.start(LongPressInterval);
    m_pressedIndex = index;
    update();
}

void Tail::keyReleaseEvent(QKeyEvent *e)
{
    update();
    if (!m_pressed)
        return;
    m_longPressTimer.stop();
    if (m_longPressed) {
        // The highlight stays for one more paint after a long press.
        m_longPressed = false;
    } else {
        m_pressed = false;
        m_pressedIndex = -1;
    }

    const int index = keyToIndex(e->key());
    if (index == 3) {
        if (theCore && theCore->ime() && theCore->ime()->imeStatus() != 0) {
            e->accept();
            KeyInjector::sendKeyEvent(-1, Qt::Key_Backspace, Qt::NoModifier, true, false);
            KeyInjector::sendKeyEvent(-1, Qt::Key_Backspace, Qt::NoModifier, false, false);
            return;
        }
    }
    if (index >= 0)
        emit clicked(index);
}

void Tail::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, QPixmap(QStringLiteral(":/ui/images/menu_bg.png")));
    const QPixmap separator(QStringLiteral(":/ui/images/menu_bg_line.png"));
    for (int x : separatorX)
        painter.drawPixmap(x, 1, separator);

    if (m_pressed && m_pressedIndex != -1) {
        const int left = pressedLeft[m_pressedIndex];
        const int right = pressedRight[m_pressedIndex];
        painter.drawTiledPixmap(QRect(left, 1, right - left + 1, 32),
            QPixmap(QStringLiteral(":/ui/images/menu_press.png")), QPoint(0, 0));
        m_pressedIndex = -1;
    }
}

// The bar draws its buttons itself, as flat white labels over its background. A style sheet
// would do the same, but its engine keeps some thirty kilobytes of rules and caches for every
// screen's bar.
bool Tail::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::Paint) {
        for (int idx = 0; idx < 5; ++idx) {
            if (watched == m_funcButtons[idx]) {
                paintButton(idx);
                return true;
            }
        }
    }
    return QLabel::eventFilter(watched, e);
}

// As a push button with neither border nor background: the icon or the text centred.
void Tail::paintButton(int idx)
{
    QPushButton *btn = m_funcButtons[idx];
    QPainter painter(btn);
    const QIcon icon = btn->icon();
    if (!icon.isNull()) {
        const QPixmap pixmap
            = icon.pixmap(btn->iconSize(), btn->isEnabled() ? QIcon::Normal : QIcon::Disabled);
        painter.drawPixmap(
            (btn->width() - pixmap.width()) / 2, (btn->height() - pixmap.height()) / 2, pixmap);
    }
    const QString text = btn->text();
    if (text.isEmpty())
        return;
    QColor color = m_buttonColors[idx];
    if (!color.isValid())
        color = btn->isDown() ? WidgetPalette::pressedSoftKeyText() : WidgetPalette::softKeyText();
    painter.setPen(color);
    painter.drawText(btn->rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text);
}

void Tail::clickedFunction(QAbstractButton *btn)
{
    int index = 0;
    for (int idx = 0; idx < 5; ++idx) {
        if (m_funcButtons[idx] == btn)
            index = idx;
    }
    emit clicked(index);
}

void Tail::changedIMEStatus(int status)
{
    if (m_blocked)
        return;
    if (status == 0) {
        setFittedText(ui->func4Button, m_func4Text);
        return;
    }
    qDebug() << "Tail::changedIMEStatus useEraseStr:" << m_useEraseStr << m_eraseStr;
    if (m_useEraseStr) {
        setFittedText(ui->func4Button, m_eraseStr);
    } else {
        ui->func4Button->setIcon(QIcon(QPixmap()));
        setFittedText(ui->func4Button, tr("Erase"));
    }
}

void Tail::longPressTimeout()
{
    m_longPressTimer.stop();
    m_pressedIndex = -1;
    m_longPressed = true;
    update();
    const int index = keyToIndex(m_pressedKey);
    if (index < 0)
        return;
    m_pressedIndex = index;
    m_pressedKey = -1;
    emit longPress(index);
}
