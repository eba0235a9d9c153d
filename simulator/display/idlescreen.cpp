#include "idlescreen.h"

#include "status.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

namespace {

bool isOkKey(int key)
{
    return key == Qt::Key_Enter || key == Qt::Key_Return;
}

} // namespace

IdleScreen::IdleScreen(Status *status, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_status(status)
{
    setObjectName(QStringLiteral("idle"));
    setGeometry(0, 32, 480, 240);
}

bool IdleScreen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_status)
        m_status->setTitle(tr("Idle"));
    return QWidget::event(event);
}

void IdleScreen::keyPressEvent(QKeyEvent *event)
{
    if (isOkKey(event->key()))
        m_okPressed = true;
    event->accept();
}

void IdleScreen::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
    if (isOkKey(event->key()) && m_okPressed) {
        m_okPressed = false;
        emit openRequested();
    }
}

void IdleScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(38, 52, 84));
    background.setColorAt(1, QColor(12, 18, 32));
    painter.fillRect(rect(), background);

    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(32);
    painter.setFont(font);
    painter.drawText(QRect(0, 50, width(), 50), Qt::AlignCenter, tr("Idle screen"));

    painter.setPen(QColor(190, 200, 220));
    font.setPixelSize(18);
    painter.setFont(font);
    painter.drawText(QRect(24, 120, width() - 48, 72), Qt::AlignCenter | Qt::TextWordWrap,
        tr("Press OK to open Settings | Wi-Fi Hotspot"));
}
