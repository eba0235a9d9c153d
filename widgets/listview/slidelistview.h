#pragma once

#include "listview.h"

#include <QEasingCurve>
#include <QRect>

class QPropertyAnimation;

// A list that slides into view and out of it. show(), hide() and close() animate the widget's
// geometry between its on-screen rectangle and a hidden one off the screen, picked by the
// slide type, and report the end of each slide. These members hide QWidget's of the same
// names for callers that hold a SlideListView.
class SlideListView : public ListView
{
    Q_OBJECT
public:
    // Where the list comes from; the hidden rectangle lies in that direction.
    enum eSlideType {
        SlideNone = 0,
        SlideFromBottom = 1,
        SlideFromTop = 2,
        SlideFromLeft = 3,
        SlideFromRight = 4,
    };
    Q_ENUMS(eSlideType)

    explicit SlideListView(QWidget *parent = nullptr);
    ~SlideListView() override;

    // The on-screen rectangle; also computes the hidden one.
    void setGeometry(const QRect &rect);
    void setGeometry(int x, int y, int w, int h);

    // Takes effect at the next slide-type computation.
    void setScreenRect(const QRect &rect) { m_screenRect = rect; }
    QRect getScreenRect() const { return m_screenRect; }
    void setSlideType(const eSlideType &type);
    eSlideType getSlideType() const { return m_slideType; }
    void setUseAnimation(bool use);
    bool useAnimation() const { return m_useAnimation; }
    void setShowDuration(int ms);
    int getShowDuration() const { return m_showDuration; }
    void setHideDuration(int ms);
    int getHideDuration() const { return m_hideDuration; }
    void setShowAnimationType(const QEasingCurve::Type &type);
    QEasingCurve getShowAnimationType() const { return QEasingCurve(m_showEasingType); }
    void setHideAnimationType(const QEasingCurve::Type &type);
    QEasingCurve getHideAnimationType() const { return QEasingCurve(m_hideEasingType); }

    // While sliding, visible means sliding in.
    bool isVisible() const;

signals:
    void showFinished();
    void hideFinished();
    void closeFinished();

public slots:
    void show();
    void hide();
    void hideAfterAnimation();
    void close();
    void closeAfterAnimation();

private:
    void applySlideType();

    QPropertyAnimation *m_showAnimation;
    QPropertyAnimation *m_hideAnimation;
    QRect m_hiddenRect;
    QRect m_slideGeometry;
    QRect m_screenRect = QRect(0, 0, 480, 272);
    eSlideType m_slideType = SlideFromBottom;
    int m_hideDuration = 70;
    int m_showDuration = 100;
    QEasingCurve::Type m_showEasingType = QEasingCurve::OutQuad;
    QEasingCurve::Type m_hideEasingType = QEasingCurve::InQuad;
    bool m_useAnimation = true;
};
