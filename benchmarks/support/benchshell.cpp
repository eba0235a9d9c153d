#include "benchshell.h"

#include "listview.h"
#include "selectpopup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>
#include <QSettings>
#include <QTimer>
#include <QtTest>

namespace {

// The attribute lines the tool prints under each station's address.
const char stationAttributes[] = "flags=[AUTH][ASSOC][AUTHORIZED][WMM][HT]\n"
                                 "aid=1\n"
                                 "capability=0x1431\n"
                                 "listen_interval=10\n"
                                 "supported_rates=82 84 8b 96 0c 12 18 24 30 48 60 6c\n"
                                 "timeout_next=NULLFUNC POLL\n"
                                 "dot11RSNAStatsSTAAddress=%1\n"
                                 "dot11RSNAStatsVersion=1\n"
                                 "dot11RSNAStatsSelectedPairwiseCipher=00-0f-ac-4\n"
                                 "dot11RSNAStatsTKIPLocalMICFailures=0\n"
                                 "dot11RSNAStatsTKIPRemoteMICFailures=0\n"
                                 "wpa=2\n"
                                 "AKMSuiteSelector=00-0f-ac-2\n"
                                 "hostapdWPAPTKState=11\n"
                                 "hostapdWPAPTKGroupState=0\n"
                                 "rx_packets=2841\n"
                                 "tx_packets=1974\n"
                                 "rx_bytes=351106\n"
                                 "tx_bytes=1221574\n"
                                 "inactive_msec=620\n"
                                 "signal=-48\n"
                                 "rx_rate_info=650 mcs 7 shortGI\n"
                                 "tx_rate_info=720 mcs 7 shortGI\n"
                                 "connected_time=714\n";

// Prints the listing kept beside it; the listing is written once, the tool runs per query.
const char controlTool[] = "#!/bin/sh\n"
                           "cat \"$(dirname \"$0\")/stations\"\n";

} // namespace

BenchShell::BenchShell()
{
    m_core.setDeviceRoot(m_root.path());
    m_core.setStatusWidget(&m_status);
    m_status.setAttribute(Qt::WA_ShowWithoutActivating);
    m_status.move(0, 0);
}

void BenchShell::storeHotspotOn()
{
    QSettings env(m_core.envInfoFileName(), QSettings::IniFormat);
    env.setValue(QStringLiteral("HOTSPOT/HOTSPOT"), true);
    QSettings hostapd(path(QStringLiteral("/configs/wireless/hostapd.conf")), QSettings::IniFormat);
    hostapd.setValue(QStringLiteral("TETHERING/hw_mode"), QStringLiteral("g"));
    hostapd.setValue(QStringLiteral("TETHERING/ieee80211n"), 1);
    hostapd.setValue(QStringLiteral("TETHERING/ssid"), QStringLiteral("DeskPhone-2001"));
    hostapd.setValue(QStringLiteral("TETHERING/wpa_passphrase"), QStringLiteral("correct horse"));
}

void BenchShell::installStations(int count)
{
    writeFile(QStringLiteral("/usr/sbin/stations"), stationListing(count));
    const QString tool = path(QStringLiteral("/usr/sbin/hostapd_cli"));
    writeFile(QStringLiteral("/usr/sbin/hostapd_cli"), controlTool);
    QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner);
}

QByteArray BenchShell::stationListing(int count)
{
    QByteArray listing = "Selected interface 'wlan1'\n";
    for (int idx = 0; idx < count; ++idx) {
        const QByteArray address = stationAddress(idx).toLatin1();
        listing += address + '\n' + QByteArray(stationAttributes).replace("%1", address);
    }
    return listing;
}

QString BenchShell::stationAddress(int idx)
{
    return QStringLiteral("3c:28:6d:%1:%2:%3")
        .arg((idx >> 16) & 0xff, 2, 16, QLatin1Char('0'))
        .arg((idx >> 8) & 0xff, 2, 16, QLatin1Char('0'))
        .arg(idx & 0xff, 2, 16, QLatin1Char('0'));
}

void BenchShell::writeFile(const QString &devicePath, const QByteArray &contents)
{
    const QString file = path(devicePath);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || out.write(contents) != contents.size())
        qFatal("BenchShell cannot write %s", qPrintable(file));
}

bool BenchShell::insidePopup(ListView *list, const std::function<void(SelectPopup *)> &inside)
{
    bool opened = false;
    QTimer::singleShot(0, list, [&] {
        QPointer<SelectPopup> popup = list->window()->findChild<SelectPopup *>();
        const auto close = qScopeGuard([&popup] {
            if (popup)
                popup->reject();
        });
        if (!popup)
            return;
        opened = true;
        inside(popup);
    });
    QTest::keyClick(list, Qt::Key_Return);
    return opened;
}
