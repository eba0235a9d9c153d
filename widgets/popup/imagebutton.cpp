#include "imagebutton.h"

#include "palette.h"

#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Width of each cap of the face; the middle image is tiled between them.
const int capWidth = 3;
const int iconTop = 8;

bool isEnter(int key)
{
    return key == Qt::Key_Enter || key == Qt::Key_Return;
}

} // namespace

ImageButton::ImageButton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ImageButton::setIcon(const QPixmap &icon, bool iconLeft)
{
    m_icon = icon;
    m_iconLeft = iconLeft;
}

void ImageButton::setNogapIcon(const QPixmap &icon)
{
    m_icon = icon;
    m_nogap = true;
    m_iconLeft = false;
}

void ImageButton::setHover(bool hover)
{
    m_hover = hover;
    update();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const QPixmap &icon = m_hover && !m_pressIcon.isNull() ? m_pressIcon : m_icon;
    int textLeft = 0;
    int textWidth = w;

    if (m_nogap) {
        if (!m_icon.isNull()) {
            painter.drawPixmap(0, 0, icon);
            textLeft = 10;
            textWidth = w - 10;
        }
    } else {
        const QString prefix = m_hover ? QStringLiteral(":/ui/images/popup_button_press_bg_")
                                       : QStringLiteral(":/ui/images/popup_button_bg_");
        painter.drawPixmap(0, 0, QPixmap(prefix + QStringLiteral("left.png")));
        painter.fillRect(QRect(capWidth, 0, w - 2 * capWidth, h),
            QBrush(QPixmap(prefix + QStringLiteral("center.png"))));
        painter.drawPixmap(w - capWidth, 0, QPixmap(prefix + QStringLiteral("right.png")));

        if (!m_icon.isNull()) {
            // The arrow text ("<" or ">") on the icon's side makes an arrow-only button.
            const QString arrow = m_iconLeft ? QStringLiteral("<") : QStringLiteral(">");
            int iconLeft = 0;
            if (m_text.isEmpty() || m_text == arrow) {
                iconLeft = (w - icon.width()) / 2;
                textWidth = 0;
            } else if (m_iconLeft) {
                iconLeft = 17;
                textLeft = 10;
                textWidth = w - 10;
            } else {
                iconLeft = w - 28;
                textWidth = w - 12;
            }
            painter.drawPixmap(iconLeft, iconTop, icon);
        }
    }

    if (m_hover)
        painter.setPen(WidgetPalette::barText());
    // drawText clips to the rectangle, so a width of 0 hides the text.
    painter.drawText(
        QRect(textLeft, 2, textWidth, h - 2), Qt::AlignHCenter | Qt::AlignVCenter, m_text);
}

void ImageButton::keyPressEvent(QKeyEvent *e)
{
    qDebug() << "ImageButton::keyPressEvent";
    if (!isEnter(e->key())) {
        e->ignore();
        return;
    }
    m_hover = true;
    update();
}

void ImageButton::keyReleaseEvent(QKeyEvent *e)
{
    if (!isEnter(e->key())) {
        e->ignore();
        return;
    }
    m_hover = false;
    update();
    e->accept();
    emit clicked();
}

void ImageButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    e->accept();
    emit clicked();
}
