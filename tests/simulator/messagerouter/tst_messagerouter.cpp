#include "appmessage.h"
#include "baseappinterface.h"
#include "messagerouter.h"
#include "status.h"

#include <QLabel>
#include <QtTest>

namespace {

class RecordingApplication : public QObject, public BaseAppInterface
{
    Q_OBJECT
    Q_INTERFACES(BaseAppInterface)
public:
    explicit RecordingApplication(
        const QString &name = QStringLiteral("settings_hotspot"), QObject *parent = nullptr)
        : QObject(parent)
        , BaseAppInterface(name, parent)
    { }
    bool start(QWidget *, void *) override { return true; }
    bool end() override { return true; }
    void receiveMsg(const QString &command, const QByteArray &data) override
    {
        received.append({command, data});
    }

    QList<QPair<QString, QByteArray>> received;
};

bool hotspotIndicatorShown(const Status &status)
{
    const auto label = status.findChild<QLabel *>(QStringLiteral("statusWiFiHotspot"));
    return label && !label->isHidden();
}

} // namespace

class tst_MessageRouter : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void idleIndicatorFollowsTheApplication();
    void deliversToTheApplication_data();
    void deliversToTheApplication();
    void deliversToTheApplicationInside_data();
    void deliversToTheApplicationInside();
};

void tst_MessageRouter::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MessageRouter::idleIndicatorFollowsTheApplication()
{
    Status status;
    MessageRouter router(&status);
    const QString command = QStringLiteral("updateHotspotIcon(bool)");
    router.route(QStringLiteral("idle"), command, AppMessage::payload(true));
    QVERIFY(hotspotIndicatorShown(status));
    router.route(QStringLiteral("idle"), command, AppMessage::payload(false));
    QVERIFY(!hotspotIndicatorShown(status));
    // Another idle command must not be taken for the indicator.
    router.route(QStringLiteral("idle"), QStringLiteral("updateMissedCalls(bool)"),
        AppMessage::payload(true));
    QVERIFY(!hotspotIndicatorShown(status));
}

void tst_MessageRouter::deliversToTheApplication_data()
{
    QTest::addColumn<QString>("application");
    QTest::newRow("settings screen") << "settings_hotspot";
    QTest::newRow("connected devices screen") << "settings_hotspotinfo";
}

void tst_MessageRouter::deliversToTheApplication()
{
    QFETCH(QString, application);
    RecordingApplication app;
    MessageRouter router(nullptr);
    router.setApplication(&app);
    const QByteArray payload = AppMessage::payload(QStringLiteral("on"));
    router.route(application, QStringLiteral("wifi2ui_Hotspot(str)"), payload);
    QCOMPARE(app.received.size(), 1);
    QCOMPARE(app.received.at(0).first, QStringLiteral("wifi2ui_Hotspot(str)"));
    QCOMPARE(app.received.at(0).second, payload);
}

void tst_MessageRouter::deliversToTheApplicationInside_data()
{
    QTest::addColumn<QString>("application");
    QTest::addColumn<bool>("toInner");
    QTest::newRow("settings screen") << "settings_hotspot" << false;
    QTest::newRow("connected devices screen") << "settings_hotspotinfo" << true;
}

// The connected-devices screen is an application of its own inside the settings application;
// a language change sent to it must reach its own texts.
void tst_MessageRouter::deliversToTheApplicationInside()
{
    QFETCH(QString, application);
    QFETCH(bool, toInner);
    RecordingApplication app;
    auto holder = new QObject(&app);
    auto inner = new RecordingApplication(QStringLiteral("settings_hotspotinfo"), holder);
    MessageRouter router(nullptr);
    router.setApplication(&app);
    router.route(application, QStringLiteral("changedLanguage()"), QByteArray());
    QCOMPARE(inner->received.size(), toInner ? 1 : 0);
    QCOMPARE(app.received.size(), toInner ? 0 : 1);
}

QTEST_MAIN(tst_MessageRouter)
#include "tst_messagerouter.moc"
