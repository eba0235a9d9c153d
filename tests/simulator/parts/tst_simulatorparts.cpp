#include "appmessage.h"
#include "baseappinterface.h"
#include "core.h"
#include "devicedisplay.h"
#include "devicefont.h"
#include "messagerouter.h"
#include "sandbox.h"
#include "simulatorwindow.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecordingApplication : public QObject, public BaseAppInterface
{
    Q_OBJECT
    Q_INTERFACES(BaseAppInterface)
public:
    explicit RecordingApplication(const QString &name, QObject *parent = nullptr)
        : QObject(parent)
        , BaseAppInterface(name, parent)
    { }
    bool start(QWidget *, void *) override { return true; }
    bool end() override { return true; }
    void receiveMsg(const QString &command, const QByteArray &) override { received << command; }
    QStringList received;
};

// A device window that records the keys and the blocking reaching it.
class RecordingDialog : public QDialog
{
public:
    explicit RecordingDialog(QWidget *parent = nullptr)
        : QDialog(parent, Qt::FramelessWindowHint)
    { }
    QStringList keys;
    QStringList events;

protected:
    void keyPressEvent(QKeyEvent *e) override { keys << "press " + QString::number(e->key(), 16); }
    void keyReleaseEvent(QKeyEvent *e) override
    {
        keys << "release " + QString::number(e->key(), 16);
    }
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::WindowBlocked || e->type() == QEvent::WindowUnblocked)
            events << (e->type() == QEvent::WindowBlocked ? "blocked" : "unblocked");
        return QDialog::event(e);
    }
};

} // namespace

// The simulator's pieces: the sandbox, the message routing, the display and the keypad window.
class tst_SimulatorParts : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void sandboxStartsRealisticAndKeepsWhatExists()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("new/sandbox"));
        QVERIFY(Sandbox(root).prepare());
        // The files are where the core library looks for them.
        Core core;
        core.setDeviceRoot(root);
        const QString env = core.envInfoFileName();
        const QString line = core.devicePath(QStringLiteral("/configs/sip/line_0.conf"));
        QVERIFY(
            QFileInfo::exists(line) && QFileInfo::exists(core.configFileName(SystemConfigFile)));
        // Copies of compiled-in files are read-only unless made so; the application saves.
        QVERIFY(QFileInfo(env).isWritable() && !QFileInfo(env).isExecutable());
        QVERIFY(QFileInfo(root + QStringLiteral("/usr/sbin/hotspot.sh")).isExecutable());

        QFile edited(env);
        QVERIFY(edited.open(QIODevice::WriteOnly) && edited.write("[HOTSPOT]\nHOTSPOT=true\n") > 0);
        edited.close();
        QVERIFY(QFile::remove(line));
        Sandbox again(root);
        QVERIFY(again.prepare());
        QCOMPARE(again.createdFiles(), QStringList {QStringLiteral("configs/sip/line_0.conf")});
        QCOMPARE(readFile(env), QByteArray("[HOTSPOT]\nHOTSPOT=true\n"));
    }

    // The device's command lines reach the tool behind them with every argument intact; no value
    // is read by a shell.
    void toolWrappersPassArgumentsIntact_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("toolPresent");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("calls");
        const QString dir = QStringLiteral("[-p][ROOT/var/run/hostapd][--]");
        QTest::newRow("hostile address") << QStringList {"deny_mac", "-v; touch x $(id)"} << true
                                         << 2 << dir + "[deny_acl][ADD_MAC][-v; touch x $(id)]\n";
        QTest::newRow("tool missing") << QStringList {"all_sta"} << false << 127 << "";
    }

    void toolWrappersPassArgumentsIntact()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, toolPresent);
        QFETCH(int, exitCode);
        QFETCH(QString, calls);
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("my \"device\" root"));
        QVERIFY(Sandbox(root).prepare());
        // The control tool's stand-in records its arguments.
        const QString recorder = dir.filePath(QStringLiteral("hostapd_cli"));
        QVERIFY(QFile::copy(QStringLiteral(STAND_INS "/hostapd_cli"), recorder));

        const QString tool = toolPresent ? recorder : dir.filePath(QStringLiteral("absent"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOSTAPD_CLI"), tool);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(root + QStringLiteral("/usr/sbin/hostapd_cli"), arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), exitCode);
        QCOMPARE(QString::fromLocal8Bit(readFile(dir.filePath("cli.calls"))),
            QString(calls).replace(QLatin1String("ROOT"), root));
    }

    // The connected-devices screen is an application of its own inside the settings
    // application; while it is closed its messages go to the settings screen.
    void routesToTheRightScreen()
    {
        RecordingApplication app(QStringLiteral("settings_hotspot"));
        MessageRouter router(nullptr);
        router.setApplication(&app);
        router.route("settings_hotspotinfo", "wifi2ui_Hotspot_release_ack(str)", QByteArray());
        auto inner = new RecordingApplication("settings_hotspotinfo", new QObject(&app));
        router.route("settings_hotspotinfo", "changedLanguage()", QByteArray());
        router.route("settings_hotspot", "wifi2ui_Hotspot(str)", QByteArray());
        QCOMPARE(app.received,
            QStringList({"wifi2ui_Hotspot_release_ack(str)", "wifi2ui_Hotspot(str)"}));
        QCOMPARE(inner->received, QStringList({"changedLanguage()"}));
    }

    void modalWindowsBlockOnlyTheDeviceWindowsBelow()
    {
        DeviceDisplay display;
        RecordingDialog screen;
        screen.show();
        RecordingDialog popup(&screen);
        popup.setModal(true);
        popup.show();
        QTRY_COMPARE(screen.events, QStringList {"blocked"});
        // Qt itself must not know the popup as modal, or the keypad could not be used.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // A window shown without activation (the status bar) never takes the keys.
        QWidget statusBar;
        statusBar.setAttribute(Qt::WA_ShowWithoutActivating);
        statusBar.show();
        QCoreApplication::processEvents();
        QCOMPARE(display.activeDeviceWindow(), &popup);
        popup.hide();
        QTRY_COMPARE(screen.events, QStringList({"blocked", "unblocked"}));
        popup.show();
        QTRY_COMPARE(screen.events.size(), 3);
    }

    // Shift let go before F1 must still release the soft key, or it would stay down; the desktop's
    // key repeat would restart the long-press timer of the function-key bar.
    void releaseAndRepeatFollowThePressedKey()
    {
        SimulatorWindow window;
        window.show();
        RecordingDialog device;
        device.show();
        QTRY_COMPARE(QApplication::activeWindow(), &device);
        QTest::keyPress(&window, Qt::Key_F1, Qt::ShiftModifier);
        for (int i = 0; i < 3; ++i) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&window, &release);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&window, &press);
        }
        QVERIFY(window.keyButton(Qt::Key_F11)->isDown());
        QTest::keyRelease(&window, Qt::Key_F1, Qt::NoModifier);
        QVERIFY(!window.keyButton(Qt::Key_F11)->isDown());
        const QString f11 = QString::number(Qt::Key_F11, 16);
        QCOMPARE(device.keys, QStringList({"press " + f11, "release " + f11}));
    }

    // Korean needs a CJK font as a fallback of the narrow Latin one, or it shows as boxes.
    void everyLanguageIsDrawn()
    {
        QCOMPARE(DeviceFont::uncoveredLanguages(DeviceFont::font()), QStringList());
        QVERIFY(!DeviceFont::drawsAll(DeviceFont::font(), QStringLiteral("Wi-Fi \ue000")));
    }
};

QTEST_MAIN(tst_SimulatorParts)
#include "tst_simulatorparts.moc"
