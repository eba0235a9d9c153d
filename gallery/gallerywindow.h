#pragma once

#include "gallerypages.h"

#include <QWidget>

class QLabel;
class QStackedWidget;

// The gallery's one window, the size of the phone's screen: a title bar, the current page
// and a line of key hints. PageUp and PageDown turn the pages; the page's list takes the
// other keys.
class GalleryWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GalleryWindow(const QList<GalleryPage> &pages, QWidget *parent = nullptr);

    int pageCount() const;
    void setCurrentPage(int idx);
    int currentPage() const;
    QString pageTitle(int idx) const { return m_pages.value(idx).title; }

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    QList<GalleryPage> m_pages;
    QLabel *m_title = nullptr;
    QStackedWidget *m_stack = nullptr;
};
