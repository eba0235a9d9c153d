#include "basewidget.h"
#include "core.h"
#include "simulatorwindow.h"
#include "tail.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

class Screen : public BaseWidget
{
public:
    Tail *tail() const { return m_tail; }
};

class RecordingDialog : public QDialog
{
public:
    QStringList keys;

protected:
    void keyPressEvent(QKeyEvent *e) override { record(QStringLiteral("press"), e); }
    void keyReleaseEvent(QKeyEvent *e) override { record(QStringLiteral("release"), e); }

private:
    void record(const QString &kind, const QKeyEvent *e)
    {
        keys << QStringLiteral("%1 %2 %3").arg(kind).arg(e->key(), 0, 16).arg(e->text());
    }
};

} // namespace

class tst_SimulatorWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void holdingAKeypadKeyIsALongPress();
    void desktopKeysStandForDeviceKeys_data();
    void desktopKeysStandForDeviceKeys();
    void releaseGoesToThePressedKey();
    void autoRepeatIsOnePress();
    void panelAsksForTheWorldAround();
    void languageBoxNamesEveryLanguage();

private:
    SimulatorWindow *m_window = nullptr;
    RecordingDialog *m_device = nullptr;
};

void tst_SimulatorWindow::init()
{
    m_window = new SimulatorWindow;
    m_window->show();
    m_device = new RecordingDialog;
    m_device->show();
    QTRY_COMPARE(QApplication::activeWindow(), m_device);
}

void tst_SimulatorWindow::cleanup()
{
    delete m_device;
    delete m_window;
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SimulatorWindow::holdingAKeypadKeyIsALongPress()
{
    Screen screen;
    screen.tail()->setFuncButtonText(1, QStringLiteral("Information"));
    screen.show();
    QTRY_COMPARE(QApplication::activeWindow(), &screen);
    QSignalSpy longPress(screen.tail(), &Tail::longPress);
    QSignalSpy clicked(screen.tail(), &Tail::clicked);

    QAbstractButton *softKey = m_window->keyButton(Qt::Key_F12);
    QVERIFY(softKey);
    QCOMPARE(softKey->focusPolicy(), Qt::NoFocus);
    QTest::mousePress(softKey, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(longPress.count(), 1, 2000);
    QCOMPARE(longPress.at(0).at(0).toInt(), 1);
    QTest::mouseRelease(softKey, Qt::LeftButton);

    const int clicksBefore = clicked.count();
    QTest::mouseClick(softKey, Qt::LeftButton);
    QCOMPARE(clicked.count(), clicksBefore + 1);
    QCOMPARE(clicked.last().at(0).toInt(), 1);
    QCOMPARE(longPress.count(), 1);
}

void tst_SimulatorWindow::desktopKeysStandForDeviceKeys_data()
{
    QTest::addColumn<int>("desktopKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("deviceKey");
    QTest::addColumn<QString>("text");

    QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << int(Qt::Key_F11)
                              << "";
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << int(Qt::Key_F1) << "";
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << int(Qt::Key_Enter) << "";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
                                  << int(Qt::Key_Enter) << "";
    QTest::newRow("+") << int(Qt::Key_Plus) << 0 << int(Qt::Key_VolumeUp) << "";
    QTest::newRow("Ctrl+M") << int(Qt::Key_M) << int(Qt::ControlModifier) << int(Qt::Key_VolumeMute)
                            << "";
    QTest::newRow("*") << int(Qt::Key_Asterisk) << int(Qt::ShiftModifier) << int(Qt::Key_Asterisk)
                       << "*";
    QTest::newRow("typed letter") << int(Qt::Key_A) << 0 << int(Qt::Key_A) << "a";
}

void tst_SimulatorWindow::desktopKeysStandForDeviceKeys()
{
    QFETCH(int, desktopKey);
    QFETCH(int, modifiers);
    QFETCH(int, deviceKey);
    QFETCH(QString, text);
    QTest::keyClick(m_window, Qt::Key(desktopKey), Qt::KeyboardModifiers(modifiers));
    const QString key = QString::number(deviceKey, 16);
    QCOMPARE(m_device->keys,
        QStringList({QStringLiteral("press %1 %2").arg(key, text),
            QStringLiteral("release %1 %2").arg(key, text)}));
}

// Shift let go before F1 must still release the soft key, or it would stay down.
void tst_SimulatorWindow::releaseGoesToThePressedKey()
{
    QTest::keyPress(m_window, Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(m_window->keyButton(Qt::Key_F11)->isDown());
    QTest::keyRelease(m_window, Qt::Key_F1, Qt::NoModifier);
    QVERIFY(!m_window->keyButton(Qt::Key_F11)->isDown());
    const QString f11 = QString::number(Qt::Key_F11, 16);
    QCOMPARE(m_device->keys,
        QStringList(
            {QStringLiteral("press %1 ").arg(f11), QStringLiteral("release %1 ").arg(f11)}));
}

// The desktop's key repeat would restart the long-press timer of the function-key bar.
void tst_SimulatorWindow::autoRepeatIsOnePress()
{
    QTest::keyPress(m_window, Qt::Key_Down);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(m_window, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(m_window, &press);
    }
    QTest::keyRelease(m_window, Qt::Key_Down);
    QCOMPARE(m_device->keys.size(), 2);
}

// The panel's buttons ask for the service's work, and keys typed meanwhile still go to the
// telephone, not to the panel.
void tst_SimulatorWindow::panelAsksForTheWorldAround()
{
    QSignalSpy added(m_window, &SimulatorWindow::stationAddRequested);
    QSignalSpy removed(m_window, &SimulatorWindow::stationRemoveRequested);
    QSignalSpy silent(m_window, &SimulatorWindow::silentToggled);
    auto add = m_window->findChild<QPushButton *>(QStringLiteral("addStation"));
    auto remove = m_window->findChild<QPushButton *>(QStringLiteral("removeStation"));
    auto silentBox = m_window->findChild<QCheckBox *>(QStringLiteral("silent"));
    QVERIFY(add && remove && silentBox);
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::mouseClick(remove, Qt::LeftButton);
    QTest::mouseClick(silentBox, Qt::LeftButton);
    QCOMPARE(added.count(), 1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(silent.count(), 1);
    QCOMPARE(silent.at(0).at(0).toBool(), true);
    for (QWidget *control : {static_cast<QWidget *>(add), static_cast<QWidget *>(silentBox),
             static_cast<QWidget *>(m_window->languageBox())})
        QCOMPARE(control->focusPolicy(), Qt::NoFocus);

    // What a script set shows without being asked for again.
    m_window->showSilent(false);
    QVERIFY(!silentBox->isChecked());
    QCOMPARE(silent.count(), 1);
    m_window->setServiceAvailable(false);
    QVERIFY(!add->isEnabled() && !silentBox->isEnabled());
    QVERIFY(!m_window->findChild<QLabel *>(QStringLiteral("serviceMessage"))->text().isEmpty());
}

void tst_SimulatorWindow::languageBoxNamesEveryLanguage()
{
    QComboBox *box = m_window->languageBox();
    QCOMPARE(box->count(), int(Core::LanguageCount));
    QSignalSpy chosen(m_window, &SimulatorWindow::languageChosen);
    m_window->showLanguage(Core::Korean);
    QCOMPARE(box->currentText(), QStringLiteral("한국어"));
    QCOMPARE(chosen.count(), 0);
    const int greek = box->findData(int(Core::Greek));
    QCOMPARE(box->itemText(greek), QStringLiteral("Ελληνικά"));
    emit box->activated(greek);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), int(Core::Greek));
}

QTEST_MAIN(tst_SimulatorWindow)
#include "tst_simulatorwindow.moc"
