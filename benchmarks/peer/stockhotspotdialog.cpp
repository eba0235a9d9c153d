#include "stockhotspotdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

StockHotspotDialog::StockHotspotDialog(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_useHotspot(new QCheckBox(this))
    , m_frequency(new QComboBox(this))
    , m_connectionMode(new QComboBox(this))
    , m_ssid(new QLineEdit(this))
    , m_password(new QLineEdit(this))
{
    setFixedSize(480, 272);

    auto *title = new QHBoxLayout;
    title->addWidget(new QLabel(tr("Settings | Wi-Fi Hotspot"), this), 1);
    title->addWidget(new QLabel(QStringLiteral("am 01:55"), this));

    m_useHotspot->setChecked(true);
    m_frequency->addItems({QStringLiteral("2.4G"), QStringLiteral("5G")});
    m_connectionMode->addItems(
        {QStringLiteral("802.11b"), QStringLiteral("802.11g"), QStringLiteral("802.11n")});
    m_connectionMode->setCurrentIndex(2);
    m_ssid->setMaxLength(32);
    m_ssid->setText(QStringLiteral("DeskPhone-2001"));
    m_password->setMaxLength(63);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setText(QStringLiteral("correct horse"));

    auto *form = new QFormLayout;
    form->addRow(tr("Use Hotspot"), m_useHotspot);
    form->addRow(tr("Frequency"), m_frequency);
    form->addRow(tr("Connection Mode"), m_connectionMode);
    form->addRow(tr("Phone SSID"), m_ssid);
    form->addRow(tr("Password"), m_password);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Information"), QDialogButtonBox::ActionRole);
    buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(title);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
}
