#include "gallerywindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>

GalleryWindow::GalleryWindow(const QList<GalleryPage> &pages, QWidget *parent)
    : QWidget(parent)
    , m_pages(pages)
    , m_title(new QLabel(this))
    , m_stack(new QStackedWidget(this))
{
    setFixedSize(480, 272);
    setStyleSheet(QStringLiteral("GalleryWindow { background: #20242c; }"
                                 "QLabel#bar { color: #e8e8e8; background: #33394a; }"));
    m_title->setObjectName(QStringLiteral("bar"));
    m_title->setGeometry(0, 0, 480, 32);
    m_title->setIndent(10);
    m_stack->setGeometry(0, 32, 480, 208);
    for (const GalleryPage &page : m_pages) {
        QWidget *content = page.build(m_stack);
        content->resize(480, 208);
        m_stack->addWidget(content);
    }
    auto *hints = new QLabel(
        QStringLiteral("PgUp/PgDn: page   \u2191\u2193\u2190\u2192 Enter F1-F10: list"), this);
    hints->setObjectName(QStringLiteral("bar"));
    hints->setGeometry(0, 240, 480, 32);
    hints->setIndent(10);
    setCurrentPage(0);
}

int GalleryWindow::pageCount() const
{
    return m_stack->count();
}

int GalleryWindow::currentPage() const
{
    return m_stack->currentIndex();
}

void GalleryWindow::setCurrentPage(int idx)
{
    if (idx < 0 || idx >= pageCount())
        return;
    m_stack->setCurrentIndex(idx);
    m_title->setText(
        QStringLiteral("%1   (%2/%3)").arg(pageTitle(idx)).arg(idx + 1).arg(pageCount()));
    m_stack->currentWidget()->setFocus();
}

void GalleryWindow::keyPressEvent(QKeyEvent *e)
{
    // The lists let through the keys they do not use, these among them.
    if (e->key() == Qt::Key_PageDown)
        setCurrentPage((currentPage() + 1) % pageCount());
    else if (e->key() == Qt::Key_PageUp)
        setCurrentPage((currentPage() + pageCount() - 1) % pageCount());
    else
        QWidget::keyPressEvent(e);
}
