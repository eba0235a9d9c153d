#include "gallerypages.h"

#include "listviewitem.h"
#include "slidelistview.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

namespace {

// A page behind a sliding list: the list slides up when the page is shown, and Enter on
// one of its rows slides it out and back in.
class SlidePage : public QWidget
{
public:
    explicit SlidePage(QWidget *parent)
        : QWidget(parent)
    {
        auto *behind
            = new QLabel(QStringLiteral("Enter on a row slides the list out and in"), this);
        behind->setGeometry(0, 0, 480, 36);
        behind->setAlignment(Qt::AlignCenter);
        behind->setStyleSheet(QStringLiteral("color: #e8e8e8;"));

        m_list = new SlideListView(this);
        m_list->setPageCount(4);
        for (const char *text : {"Slides up from below", "Four rows a page", "Third row",
                 "Fourth row", "Fifth row, on page two"})
            m_list->addItem(new ListViewItem(QString::fromLatin1(text), QPixmap(), QPixmap()));
        useScreenColours(m_list);
        m_list->setScreenRect(QRect(0, 0, 480, 208));
        m_list->setGeometry(0, 36, 480, 172);
        // Hidden without a slide until the page shows.
        m_list->QWidget::hide();
        connect(m_list, &ListView::clicked, m_list, &SlideListView::hide);
        connect(m_list, &SlideListView::hideFinished, m_list, &SlideListView::show);
        setFocusProxy(m_list);
    }

protected:
    void showEvent(QShowEvent *) override
    {
        m_list->show();
        m_list->setFocus();
    }

private:
    SlideListView *m_list = nullptr;
};

} // namespace

QWidget *buildSlideListPage(QWidget *parent)
{
    return new SlidePage(parent);
}
