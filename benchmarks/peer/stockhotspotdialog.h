#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The hotspot settings screen as a Qt developer would build it from stock widgets, without our
// widget set: a dialog of the display's size with the title and clock on top, a form of a
// check box, two combo boxes and two line edits, and the two actions as push buttons. It
// carries the same texts and values as our screen and is the peer our costs are set against.
class StockHotspotDialog : public QDialog
{
    Q_OBJECT
public:
    explicit StockHotspotDialog(QWidget *parent = nullptr);

private:
    QCheckBox *m_useHotspot = nullptr;
    QComboBox *m_frequency = nullptr;
    QComboBox *m_connectionMode = nullptr;
    QLineEdit *m_ssid = nullptr;
    QLineEdit *m_password = nullptr;
};
