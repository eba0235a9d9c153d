#pragma once

#include "palette.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class ListViewItem;
class QLineEdit;
class QValidator;

// The keypad-driven paged list: a fixed number of rows a page, one selected row, arrow keys
// to move, F1 to F10 for the rows of the shown page. It acts on key releases and reports
// through signals; text rows are edited in place by an overlay editor placed over the
// selected row. The list owns its rows.
class ListView : public QWidget
{
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);
    ~ListView() override;

    // Rows. addItem takes ownership.
    void addItem(ListViewItem *item);
    ListViewItem *item(int idx) const;
    ListViewItem *item(const QString &text) const;
    int itemSize() const { return m_items.size(); }
    void removeItem(int idx);
    // Both indexes must be valid.
    void moveItem(int from, int to);
    // Deletes every row; selection, first row and page stay as they were.
    void itemClear();

    // Paging. The page count is the number of rows a page.
    int page() const { return m_page; }
    void setPage(int page);
    int pageCount() const { return m_pageCount; }
    void setPageCount(int count);
    int maxPage() const;
    int startIdx() const { return m_startIdx; }
    void setStartIdx(int idx) { m_startIdx = idx; }
    void nextPage();
    void prevPage();

    virtual int selectedIdx() const { return m_selectedIdx; }
    // Refuses an index past the end and rows that cannot be selected; a negative index
    // clears the selection.
    virtual void setSelectedIdx(int idx);
    // The first selectable row from startIdx on (backwards when isInverseOrder), or -1.
    int searchNextItemIndex(int startIdx, bool isInverseOrder);

    // Row of the shown page that a function key picks, or -1.
    virtual int keyToItemIdx(int key);
    void setStartFuncKey(int key) { m_startFuncKey = key; }
    void setEndFuncKey(int key) { m_endFuncKey = key; }
    void setEnableFuncKey(bool enable) { m_enableFuncKey = enable; }
    bool isEnableFuncKey() const { return m_enableFuncKey; }
    void setIsEnabledLongPress(bool enable) { m_isEnabledLongPress = enable; }
    bool isEnabledLongPress() const { return m_isEnabledLongPress; }
    void setIsEnabledArrowKeyMove(bool enable) { m_isEnabledArrowKeyMove = enable; }
    bool isEnabledArrowKeyMove() const { return m_isEnabledArrowKeyMove; }
    void setKeyPressFlag(bool pressed) { m_keyPressFlag = pressed; }
    bool isKeyPressFlag() const { return m_keyPressFlag; }
    void setActiveLeaveFocusSignal(bool active) { m_activeLeaveFocusSignal = active; }
    bool activeLeaveFocusSignal() const { return m_activeLeaveFocusSignal; }
    void setActiveEndLeaveFocusSignal(bool active) { m_activeEndLeaveFocusSignal = active; }
    bool activeEndLeaveFocusSignal() const { return m_activeEndLeaveFocusSignal; }
    bool getActiveEndLeaveFocusSignal() const { return m_activeEndLeaveFocusSignal; }
    void setIsVisibleSelectBackGround(bool visible) { m_isVisibleSelectBackGround = visible; }
    bool isVisibleSelectBackGround() const { return m_isVisibleSelectBackGround; }
    // Reports the selected row as if its function key had been released.
    void doClick();

    // Appearance.
    void setLineColor(QColor color) { m_lineColor = color; }
    QColor lineColor() const { return m_lineColor; }
    void setBackgroundColor(const QColor &color) { m_backgroundColor = color; }
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundPixmap(const QPixmap &pixmap) { m_backgroundPixmap = pixmap; }
    QPixmap backgroundPixmap() const { return m_backgroundPixmap; }
    void setLineLeftMargin(int margin) { m_lineLeftMargin = margin; }
    int lineLeftMargin() const { return m_lineLeftMargin; }
    void setLineRightMargin(int margin) { m_lineRightMargin = margin; }
    int lineRightMargin() const { return m_lineRightMargin; }
    void setScrollTopMargin(int margin) { m_scrollTopMargin = margin; }
    int scrollTopMargin() const { return m_scrollTopMargin; }
    void setScrollBottomMargin(int margin) { m_scrollBottomMargin = margin; }
    int scrollBottomMargin() const { return m_scrollBottomMargin; }
    void setScrollRightMargin(int margin) { m_scrollRightMargin = margin; }
    int scrollRightMargin() const { return m_scrollRightMargin; }
    void setShowEmptyString(bool show) { m_showEmptyString = show; }
    bool showEmptyString() const { return m_showEmptyString; }
    void setEmptyString(const QString &text) { m_emptyString = text; }
    QString emptyString() const { return m_emptyString; }

    // The overlay editor of line-edit and check-and-edit rows, created on first use.
    QLineEdit *lineEdit();

    static constexpr int LongPressInterval = 1000;

signals:
    void clicked(int idx);
    void longPress(int idx);
    void keyPressed(int key);
    void focusChanged(int idx);
    void leaveFocus();
    void endLeaveFocus(int key);
    void changeValue(int idx, int value);
    void changeLineEditText(int idx, const QString &text);
    void clickedFuncKey(int idx);
    void textChanged(const QString &text);

public slots:
    // Places the overlay editor that the selected row needs, or hides it.
    void checkFocus();
    void lineEditTextChanged(const QString &text);
    void longPressTimeout();

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void scheduleCheckFocus();
    // Repaints what moving the selection changed.
    void updateSelectionChange(int previousIdx, int previousStart);
    void moveSelectionDown(QKeyEvent *e);
    void moveSelectionUp();
    void changeProgress(QKeyEvent *e);
    void releaseFunctionKey(QKeyEvent *e);
    // Toggles a check or check-and-edit row unless the screen keeps the value itself.
    void toggleCheck(ListViewItem *row);
    bool callStateGuard() const;

    QLineEdit *createOverlay(const QString &inputMask = QString());
    void hideOverlay(QLineEdit *overlay);
    // Disconnects the list from the overlay, limits and fills it, and reconnects.
    void fillOverlay(QLineEdit *overlay, const QString &text, int maxLength = 0);
    void setEditorValidator(QValidator *validator);
    // Where the overlay editor of a row goes; null for rows without one.
    static QRect editorGeometry(ListViewItem *row);
    void paintScrollBar(QPainter *painter);

    QList<ListViewItem *> m_items;
    QColor m_lineColor = WidgetPalette::darkSeparator();
    QPixmap m_backgroundPixmap;
    QColor m_backgroundColor = Qt::black;
    int m_page = 0;
    int m_pageCount = 5;
    int m_selectedIdx = 0;
    int m_startIdx = 0;
    // The first row of the last paint, whose rows know where they are; -1 before it.
    int m_paintedStartIdx = -1;
    int m_startFuncKey = Qt::Key_F1;
    int m_endFuncKey = Qt::Key_F10;
    bool m_enableFuncKey = true;
    int m_lineLeftMargin = 0;
    int m_lineRightMargin = 0;
    int m_scrollTopMargin = 4;
    int m_scrollBottomMargin = 4;
    int m_scrollRightMargin = 2;
    QLineEdit *m_lineEdit = nullptr;
    QLineEdit *m_timeLineEdit = nullptr;
    QPointer<QValidator> m_editorValidator;
    QTimer m_longPressTimer {this};
    bool m_isEnabledLongPress = false;
    bool m_isEnabledArrowKeyMove = true;
    bool m_showEmptyString = false;
    QString m_emptyString;
    bool m_keyPressFlag = false;
    bool m_activeLeaveFocusSignal = false;
    bool m_activeEndLeaveFocusSignal = false;
    bool m_isVisibleSelectBackGround = true;
};
