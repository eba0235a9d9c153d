#include "displayframe.h"

#include <QDir>
#include <QPainter>
#include <QWidget>

DisplayFrame::DisplayFrame()
    : m_image(Width, Height, QImage::Format_ARGB32_Premultiplied)
    , m_statusBackground(QStringLiteral(":/ui/images/indicator_bg.png"))
    , m_listBackground(QStringLiteral(":/ui/images/bg_white.png"))
    , m_barBackground(QStringLiteral(":/ui/images/menu_bg.png"))
{
    if (m_statusBackground.isNull() || m_listBackground.isNull() || m_barBackground.isNull())
        qFatal("DisplayFrame: the shell's images are missing; link the theme");
    m_image.fill(Qt::black);
}

void DisplayFrame::paintBackgrounds()
{
    QPainter painter(&m_image);
    painter.drawPixmap(0, 0, m_statusBackground);
    painter.drawPixmap(0, 32, m_listBackground);
    painter.drawPixmap(0, Height - 32, m_barBackground);
}

void DisplayFrame::paintWindows(const QList<QWidget *> &windows)
{
    QPainter painter(&m_image);
    for (QWidget *window : windows) {
        window->render(&painter, window->pos(), QRegion(),
            QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
}

void DisplayFrame::saveShot(const QString &name) const
{
    const QString folder = qEnvironmentVariable("HOTSPOT_BENCH_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!m_image.save(file))
        qWarning("DisplayFrame: cannot write %s", qPrintable(file));
}
