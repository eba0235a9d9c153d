#include "settings_hotspot.h"
#include "tail.h"
#include "testshell.h"
#include "timelabel.h"

#include <QLineEdit>
#include <QPluginLoader>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

extern "C" QObject *qt_plugin_instance();
extern "C" const char *qt_plugin_query_verification_data();

namespace {

const char verificationText[] = "pattern=QT_PLUGIN_VERIFICATION_DATA\nversion=4.8.2\n"
                                "debug=false\nbuildkey=arm linux g++-4 no-pkg-config";

Tail *tailOf(QWidget *screen)
{
    return screen->findChild<Tail *>();
}

} // namespace

class tst_SettingsHotspot : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void instanceIsSingleAndRenewed();
    void pluginLoaderFindsTheSameObject();
    void verificationData();
    void castsByName_data();
    void castsByName();
    void slotsInOrder();
    void screenFrame();
    void softKeysThroughTheScreen();
    void eraseKeyThroughTheScreen();
    void startRunsUntilClosed();
    void endBeforeStart();
    void everyShowTellsTheIdleScreen();
    void languageChange();
    void statusChange();
    void unknownCommandsAreOnlyLogged();

private:
    TestShell *m_shell = nullptr;
};

void tst_SettingsHotspot::init()
{
    m_shell = new TestShell;
}

void tst_SettingsHotspot::cleanup()
{
    delete qt_plugin_instance();
    delete m_shell;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SettingsHotspot::instanceIsSingleAndRenewed()
{
    QPointer<QObject> first = qt_plugin_instance();
    QVERIFY(first);
    QCOMPARE(qt_plugin_instance(), first.data());
    QVERIFY(qobject_cast<SettingsHotspot *>(first));
    QVERIFY(!qobject_cast<QWidget *>(first)->parentWidget());
    delete first;
    QVERIFY(!first);
    QObject *second = qt_plugin_instance();
    QVERIFY(second);
    QCOMPARE(qt_plugin_instance(), second);
}

void tst_SettingsHotspot::pluginLoaderFindsTheSameObject()
{
    QPluginLoader loader(QStringLiteral(PLUGIN_FILE));
    QObject *instance = loader.instance();
    QVERIFY2(instance, qPrintable(loader.errorString()));
    QCOMPARE(instance, qt_plugin_instance());
    auto app = qobject_cast<BaseAppInterface *>(instance);
    QVERIFY(app);
    QCOMPARE(app->appName(), QStringLiteral("settings_hotspot"));
    QCOMPARE(loader.metaData().value(QStringLiteral("IID")).toString(),
        QStringLiteral("com.quorvelnet.Plugin.BaseAppInterface/1.0"));
}

void tst_SettingsHotspot::verificationData()
{
    QCOMPARE(QByteArray(qt_plugin_query_verification_data()), QByteArray(verificationText));
}

void tst_SettingsHotspot::castsByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("part");
    QTest::newRow("class") << "SettingsHotspot"
                           << "object";
    QTest::newRow("interface") << "BaseAppInterface"
                               << "interface";
    QTest::newRow("identifier") << "com.quorvelnet.Plugin.BaseAppInterface/1.0"
                                << "interface";
    QTest::newRow("screen base") << "BaseWidget"
                                 << "object";
    QTest::newRow("dialog") << "QDialog"
                            << "object";
    QTest::newRow("other") << "SettingsHotspotInfo"
                           << "none";
}

void tst_SettingsHotspot::castsByName()
{
    QFETCH(QString, name);
    QFETCH(QString, part);
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    void *cast = screen->qt_metacast(name.toLatin1().constData());
    if (part == QLatin1String("object"))
        QCOMPARE(cast, static_cast<void *>(screen));
    else if (part == QLatin1String("interface"))
        QCOMPARE(cast, static_cast<void *>(static_cast<BaseAppInterface *>(screen)));
    else
        QVERIFY(!cast);
}

void tst_SettingsHotspot::slotsInOrder()
{
    const QMetaObject &meta = SettingsHotspot::staticMetaObject;
    QStringList names;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i).methodType() == QMetaMethod::Slot)
            names << QString::fromLatin1(meta.method(i).methodSignature());
    }
    QCOMPARE(names,
        QStringList({"listFocusChanged(int)", "tailFuncButtonLongPressed(int)",
            "tailFuncButtonClicked(int)", "clickedListViewItem(int)", "displayResult()"}));
    QCOMPARE(meta.methodCount() - meta.methodOffset(), names.size());
}

void tst_SettingsHotspot::screenFrame()
{
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    QCOMPARE(screen->objectName(), QStringLiteral("settings_hotspot"));
    QCOMPARE(
        QString::fromLatin1(screen->metaObject()->className()), QStringLiteral("SettingsHotspot"));
    QCOMPARE(m_shell->status.title(), QStringLiteral("Settings | Wi-Fi Hotspot"));
    Tail *tail = tailOf(screen);
    const QString keys[]
        = {QString(), QStringLiteral("Information"), QString(), QString(), QStringLiteral("Save")};
    for (int idx = 0; idx < 5; ++idx)
        QCOMPARE(tail->funcButtonText(idx), keys[idx]);
}

void tst_SettingsHotspot::softKeysThroughTheScreen()
{
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    screen->show();
    QSignalSpy clicked(tailOf(screen), &Tail::clicked);
    // Only the labelled keys react.
    for (int key = Qt::Key_F11; key <= Qt::Key_F15; ++key) {
        QTest::keyPress(screen, Qt::Key(key));
        QTest::keyRelease(screen, Qt::Key(key));
    }
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1);
    QCOMPARE(clicked.at(1).at(0).toInt(), 4);
}

void tst_SettingsHotspot::eraseKeyThroughTheScreen()
{
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    auto edit = new QLineEdit(QStringLiteral("hotspot"), screen);
    screen->show();
    QApplication::setActiveWindow(screen);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->end(false);

    // The fourth key has no label, so it only works as the erase key.
    QTest::keyPress(edit, Qt::Key_F14);
    QTest::keyRelease(edit, Qt::Key_F14);
    QCOMPARE(edit->text(), QStringLiteral("hotspot"));

    m_shell->core.setIMEStatus(IMEStatusEnglishLower, false);
    QCOMPARE(tailOf(screen)->funcButtonText(3), QStringLiteral("Erase"));
    QTest::keyPress(edit, Qt::Key_F14);
    QTest::keyRelease(edit, Qt::Key_F14);
    QCOMPARE(edit->text(), QStringLiteral("hotspo"));
}

void tst_SettingsHotspot::startRunsUntilClosed()
{
    auto app = qobject_cast<BaseAppInterface *>(qt_plugin_instance());
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    bool sawRunning = false;
    QTimer::singleShot(0, screen, [&] {
        sawRunning = screen->isVisible();
        QTest::keyRelease(screen, Qt::Key_Escape);
    });
    QCOMPARE(app->start(nullptr, nullptr), true);
    QVERIFY(sawRunning);
    QVERIFY(!screen->isVisible());

    // A later start runs it again; end() closes it from outside.
    QTimer::singleShot(0, screen, [app] { QVERIFY(app->end()); });
    QCOMPARE(app->start(nullptr, nullptr), true);
    QVERIFY(!screen->isVisible());
}

void tst_SettingsHotspot::endBeforeStart()
{
    auto app = qobject_cast<BaseAppInterface *>(qt_plugin_instance());
    QSignalSpy sent(&m_shell->core, &Core::appMessageSent);
    QVERIFY(app->end());
    QCOMPARE(sent.count(), 0);
}

void tst_SettingsHotspot::everyShowTellsTheIdleScreen()
{
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    QSignalSpy sent(&m_shell->core, &Core::appMessageSent);
    m_shell->status.setTitle(QStringLiteral("Idle"));
    screen->show();
    screen->hide();
    screen->show();
    QCOMPARE(sent.count(), 2);
    for (const QList<QVariant> &message : qAsConst(sent)) {
        QCOMPARE(message.at(0).toString(), QStringLiteral("idle"));
        QCOMPARE(message.at(1).toString(), QStringLiteral("updateHotspotIcon(bool)"));
        QCOMPARE(message.at(2).toByteArray(), QByteArray(1, '\0'));
    }
    QCOMPARE(m_shell->status.title(), QStringLiteral("Settings | Wi-Fi Hotspot"));
}

void tst_SettingsHotspot::languageChange()
{
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    Tail *tail = tailOf(screen);
    m_shell->core.setLanguage(Core::German);
    screen->receiveMsg(QStringLiteral("changedLanguage()"), QByteArray());
    QCOMPARE(m_shell->status.title(), QStringLiteral("Einstellungen | WLAN-Hotspot"));
    QCOMPARE(tail->funcButtonText(1), QStringLiteral("Info"));
    QCOMPARE(tail->funcButtonText(4), QStringLiteral("Speichern"));

    m_shell->core.setLanguage(Core::Russian);
    screen->receiveMsg(QStringLiteral("changedLanguage()"), QByteArray());
    QCOMPARE(tail->funcButtonText(4), QString::fromUtf8("Сохранить"));

    m_shell->core.setLanguage(Core::English);
    screen->receiveMsg(QStringLiteral("changedLanguage()"), QByteArray());
    QCOMPARE(m_shell->status.title(), QStringLiteral("Settings | Wi-Fi Hotspot"));
    QCOMPARE(tail->funcButtonText(4), QStringLiteral("Save"));
}

void tst_SettingsHotspot::statusChange()
{
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    m_shell->writeIni(
        m_shell->core.configFileName(UserConfigFile), QStringLiteral("Settings/24HourTime"), true);
    // The clock has no meta-object of its own, so it is found by name.
    auto clock = m_shell->status.findChild<TimeLabel *>(QStringLiteral("timeLabel"));
    QVERIFY(!clock->time24Hour());
    QTest::ignoreMessage(
        QtWarningMsg, "SettingsHotspot::receiveMsg command: \"changedStatus()\" \"\"");
    screen->receiveMsg(QStringLiteral("changedStatus()"), QByteArray());
    QVERIFY(clock->time24Hour());
}

void tst_SettingsHotspot::unknownCommandsAreOnlyLogged()
{
    auto screen = static_cast<SettingsHotspot *>(qt_plugin_instance());
    m_shell->core.setLanguage(Core::German);
    QSignalSpy sent(&m_shell->core, &Core::appMessageSent);
    QTest::ignoreMessage(
        QtWarningMsg, "SettingsHotspot::receiveMsg command: \"ChangedLanguage()\" \"\\x01\"");
    screen->receiveMsg(QStringLiteral("ChangedLanguage()"), QByteArray(1, '\1'));
    QCOMPARE(tailOf(screen)->funcButtonText(4), QStringLiteral("Save"));
    QCOMPARE(sent.count(), 0);
}

QObject *createScreenTests();
QObject *createSaveCycleTests();

namespace {

// Whether a test class has a test function that the command line names.
bool namesAFunctionOf(QObject *tests, const QStringList &names)
{
    const QMetaObject *meta = tests->metaObject();
    for (const QString &name : names) {
        const QString function = name.section(QLatin1Char(':'), 0, 0) + QLatin1Char('(');
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            if (QString::fromLatin1(meta->method(i).methodSignature()).startsWith(function))
                return true;
        }
    }
    return false;
}

} // namespace

// The unit's tests, one class per area: plug-in and lifecycle, the screen, the save cycle.
// Test functions named on the command line run in the class that has them.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    QStringList names;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-')
            names << QString::fromLocal8Bit(argv[i]);
    }
    std::unique_ptr<QObject> classes[]
        = {std::make_unique<tst_SettingsHotspot>(), std::unique_ptr<QObject>(createScreenTests()),
            std::unique_ptr<QObject>(createSaveCycleTests())};
    int failures = 0;
    for (const auto &tests : classes) {
        if (names.isEmpty() || namesAFunctionOf(tests.get(), names))
            failures += QTest::qExec(tests.get(), argc, argv);
    }
    return failures;
}

#include "tst_settings_hotspot.moc"
