#include "slidelistview.h"

#include <QPropertyAnimation>

SlideListView::SlideListView(QWidget *parent)
    : ListView(parent)
    , m_showAnimation(new QPropertyAnimation(this, "geometry", this))
    , m_hideAnimation(new QPropertyAnimation(this, "geometry", this))
{
    m_showAnimation->setEasingCurve(m_showEasingType);
    m_showAnimation->setDuration(m_showDuration);
    connect(m_showAnimation, SIGNAL(finished()), this, SIGNAL(showFinished()));
    m_hideAnimation->setEasingCurve(m_hideEasingType);
    m_hideAnimation->setDuration(m_hideDuration);
}

SlideListView::~SlideListView()
{
    delete m_hideAnimation;
    delete m_showAnimation;
}

void SlideListView::setGeometry(const QRect &rect)
{
    m_slideGeometry = rect;
    m_hiddenRect = rect;
    applySlideType();
    QWidget::setGeometry(rect);
}

void SlideListView::setGeometry(int x, int y, int w, int h)
{
    setGeometry(QRect(x, y, w, h));
}

void SlideListView::setSlideType(const eSlideType &type)
{
    m_slideType = type;
    applySlideType();
}

void SlideListView::applySlideType()
{
    switch (m_slideType) {
    case SlideNone:
        m_hiddenRect = m_slideGeometry;
        break;
    case SlideFromBottom:
        m_hiddenRect = m_slideGeometry.translated(0, m_screenRect.height());
        break;
    case SlideFromTop:
        m_hiddenRect = m_slideGeometry.translated(0, -m_screenRect.height());
        break;
    case SlideFromLeft:
        // A fixed distance: the screen is 480 pixels wide whatever rectangle was set.
        m_hiddenRect = m_slideGeometry.translated(-480, 0);
        break;
    case SlideFromRight:
        m_hiddenRect = m_slideGeometry.translated(m_screenRect.width(), 0);
        break;
    }
    move(m_hiddenRect.topLeft());
}

void SlideListView::setUseAnimation(bool use)
{
    m_useAnimation = use;
    if (use)
        applySlideType();
    else
        m_hiddenRect = m_slideGeometry;
}

void SlideListView::setShowDuration(int ms)
{
    m_showDuration = ms;
    m_showAnimation->setDuration(ms);
}

void SlideListView::setHideDuration(int ms)
{
    m_hideDuration = ms;
    m_hideAnimation->setDuration(ms);
}

void SlideListView::setShowAnimationType(const QEasingCurve::Type &type)
{
    m_showEasingType = type;
    m_showAnimation->setEasingCurve(QEasingCurve(type));
}

void SlideListView::setHideAnimationType(const QEasingCurve::Type &type)
{
    m_hideEasingType = type;
    m_hideAnimation->setEasingCurve(QEasingCurve(type));
}

bool SlideListView::isVisible() const
{
    if (m_useAnimation) {
        if (m_hideAnimation->state() == QAbstractAnimation::Running)
            return false;
        if (m_showAnimation->state() == QAbstractAnimation::Running)
            return true;
    }
    return QWidget::isVisible();
}

void SlideListView::show()
{
    if (!m_useAnimation) {
        move(m_slideGeometry.topLeft());
        QWidget::show();
        return;
    }
    QWidget::show();
    m_showAnimation->setStartValue(m_hiddenRect);
    m_showAnimation->setEndValue(m_slideGeometry);
    m_showAnimation->start();
}

void SlideListView::hide()
{
    if (!m_useAnimation) {
        QWidget::hide();
        move(m_slideGeometry.topLeft());
        return;
    }
    m_hideAnimation->setStartValue(m_slideGeometry);
    m_hideAnimation->setEndValue(m_hiddenRect);
    connect(m_hideAnimation, SIGNAL(finished()), this, SLOT(hideAfterAnimation()),
        Qt::UniqueConnection);
    m_hideAnimation->start();
}

void SlideListView::hideAfterAnimation()
{
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(hideAfterAnimation()));
    QWidget::hide();
    emit hideFinished();
}

void SlideListView::close()
{
    if (!m_useAnimation) {
        QWidget::close();
        return;
    }
    // The slide starts from the origin at the widget's size, not from where it stands.
    m_hideAnimation->setStartValue(QRect(QPoint(0, 0), size()));
    m_hideAnimation->setEndValue(m_hiddenRect);
    connect(m_hideAnimation, SIGNAL(finished()), this, SLOT(closeAfterAnimation()),
        Qt::UniqueConnection);
    m_hideAnimation->start();
}

void SlideListView::closeAfterAnimation()
{
    disconnect(m_hideAnimation, SIGNAL(finished()), this, SLOT(closeAfterAnimation()));
    QWidget::close();
    emit closeFinished();
}
