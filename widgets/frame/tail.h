#pragma once

#include <QColor>
#include <QLabel>
#include <QMap>
#include <QTimer>

class QAbstractButton;
class QPushButton;
class Ui_Tail;

// The bar of five soft-key buttons along the bottom of every screen. The screen forwards the
// keys F11 to F15; the bar highlights the pressed button, measures a long press and reports
// clicked() or longPress() with the button index 0 to 4 from the left. While the input method
// is active the fourth button becomes the erase key.
class Tail : public QLabel
{
    Q_OBJECT
public:
    explicit Tail(QWidget *parent = nullptr);
    ~Tail() override;

    void setFuncButtonText(int idx, const QString &text);
    QString funcButtonText(int idx) const;
    QPushButton *button(int idx) const;
    void setButtonTextColor(int idx, const QColor &color);
    int buttonWidth(int idx) const;
    int findButtonIndex(const QString &text, int from, int to) const;

    void setUseEraseStr(bool use) { m_useEraseStr = use; }
    bool useEraseStr() const { return m_useEraseStr; }
    void setEraseStr(const QString &text) { m_eraseStr = text; }

    static constexpr int LongPressInterval = 500;

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

signals:
    void clicked(int idx);
    void longPress(int idx);

private slots:
    void clickedFunction(QAbstractButton *btn);
    void changedIMEStatus(int status);
    void longPressTimeout();

private:
    void paintButton(int idx);

    Ui_Tail *ui;
    QPushButton *m_funcButtons[5];
    QColor m_buttonColors[5];
    QString m_func4Text;
    bool m_pressed = false;
    bool m_longPressed = false;
    int m_pressedKey = -1;
    QTimer m_longPressTimer;
    bool m_blocked = false;
    bool m_useEraseStr = false;
    QString m_eraseStr;
    int m_pressedIndex = -1;
    QMap<int, QString> m_funcTexts;
};
