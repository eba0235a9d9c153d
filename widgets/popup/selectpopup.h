#pragma once

#include "listview.h"

#include <QDialog>
#include <QFont>

class ImageButton;
class QPropertyAnimation;

// The list of the selection popup: five rows of fixed heights, a rounded highlight for the
// first row of a page, two-tone separators and a translucent scroll thumb.
class SelectPopupListView : public ListView
{
    Q_OBJECT
public:
    explicit SelectPopupListView(QWidget *parent = nullptr);
    ~SelectPopupListView() override;

    // Keeps the first images given for each piece of the first-row highlight.
    void setSelectPixmap(const QPixmap &left, const QPixmap &center, const QPixmap &right);

    static constexpr int ThumbWidth = 6;
    static constexpr int ThumbHeight = 104;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QPixmap *m_selectLeftPixmap = nullptr;
    QPixmap *m_selectCenterPixmap = nullptr;
    QPixmap *m_selectRightPixmap = nullptr;
};

// The modal popup in which the user picks one entry of a short list with the keypad: a
// framed list on the right over a dimmed screen, and Previous, Next and Cancel in the
// function-key band. It slides up from the bottom edge when shown and down before it closes.
class SelectPopup : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(float m_AlphaValue READ getAlphaValue WRITE setAlphaValue)
public:
    SelectPopup(QWidget *parent, int type);
    ~SelectPopup() override;

    void addListViewItem(const QString &text);

    SelectPopupListView *listView() const { return m_litView; }
    ImageButton *prevButton() const { return m_prevButton; }
    ImageButton *nextButton() const { return m_nextButton; }
    ImageButton *cancelButton() const { return m_cancelButton; }
    ImageButton *okButton() const { return m_okButton; }
    // The last index the list reported; -1 after Cancel.
    int selectedIdx() const { return m_selectedIdx; }

    void setStartFuncKey(int key);
    void setUseBackGroundRect(bool use) { m_useBackGroundRect = use; }
    bool useBackGroundRect() const { return m_useBackGroundRect; }
    void setUseBackGroundRectVideo(bool use) { m_useBackGroundRectVideo = use; }
    void setBackgroundImage(const QPixmap &image);
    void clearBackgroundImage();
    void setAlphaValue(float alpha);
    float getAlphaValue() const { return m_AlphaValue; }
    void setContentsTitle(const QString &title);
    void setContentsTitlePos(int x, int y);
    void setContentsTitleFont(QFont font);
    void setUseAnimation(bool on);
    void setMultipleCheck(const bool &multiple) { m_multipleCheck = multiple; }

    static constexpr int ShowDurationMs = 100;
    static constexpr int HideDurationMs = 80;

signals:
    void clicked(int idx);

public slots:
    void show();
    void hide();
    void hideAfterAnimation();
    void close();
    void closeAfterAnimation();
    void reject() override;
    void rejectAfterAnimation();
    void accept() override;
    void acceptAfterAnimation();
    // With animations on: whether a slide-out is still pending.
    bool isVisible() const;
    // Virtual only from Qt 5 on; callers hold a SelectPopup.
    int exec();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private slots:
    void clickedListView(int idx);
    void prevButtonClicked();
    void nextButtonClicked();
    void onClickOkButton();

private:
    friend class SelectPopupPrivate;

    ImageButton *createButton(const QRect &geometry, const QString &text);
    // Starts the slide-out and runs 'after' once it has finished.
    void slideOut(const char *after);
    bool animating() const { return m_useAnimation && m_hideAnimation; }

    SelectPopupListView *m_litView = nullptr;
    ImageButton *m_prevButton = nullptr;
    ImageButton *m_nextButton = nullptr;
    ImageButton *m_cancelButton = nullptr;
    ImageButton *m_okButton = nullptr;
    bool m_useBackGroundRect = true;
    bool m_useBackGroundRectVideo = false;
    int m_type;
    int m_selectedIdx = -1;
    bool m_keyPressed = false;
    QPixmap *m_backgroundImage = nullptr;
    float m_AlphaValue = 0.0f;
    QString m_contentsTitle;
    int m_contentsTitleX = 18;
    int m_contentsTitleY = 30;
    QFont m_contentsTitleFont;
    QPropertyAnimation *m_showAnimation = nullptr;
    QPropertyAnimation *m_hideAnimation = nullptr;
    QPropertyAnimation *m_alphaAnimation = nullptr;
    bool m_useAnimation = true;
    bool m_closing = false;
    bool m_multipleCheck = false;
};

// The selection popup with the keypad's key tones switched off while it is on screen.
class SoundSelectPopup : public SelectPopup
{
    Q_OBJECT
public:
    SoundSelectPopup(QWidget *parent, int type);

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
};
