#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// The push button of the popups: a face of two caps and a tiled middle, an optional icon and a
// centred text. Its owner switches the pressed look on while the matching function key is held;
// Enter and Return press it themselves. It clicks on the release.
class ImageButton : public QWidget
{
    Q_OBJECT
public:
    explicit ImageButton(QWidget *parent);

    // The icon goes left of the text when iconLeft is true, else right of it.
    void setIcon(const QPixmap &icon, bool iconLeft);
    // The icon is the whole face; no frame images are drawn.
    void setNogapIcon(const QPixmap &icon);
    // Setters of the pressed icon and the text leave the repaint to the owner.
    void setPressIcon(const QPixmap &icon) { m_pressIcon = icon; }
    void setText(const QString &text) { m_text = text; }
    void setHover(bool hover);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool m_nogap = false;
    bool m_iconLeft = true;
    QPixmap m_icon;
    QPixmap m_pressIcon;
    QString m_text;
    bool m_hover = false;
};
