#include "imagebutton.h"
#include "selectpopup.h"
#include "testcompat.h"
#include "testshell.h"

#include <QtTest>

class tst_SelectPopup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_shell = new TestShell;
        m_popup = new SelectPopup(nullptr, 5);
        m_popup->setUseAnimation(true);
        for (int i = 0; i < 8; ++i)
            m_popup->addListViewItem(QStringLiteral("Entry %1").arg(i));
    }

    void cleanup()
    {
        delete m_popup;
        delete m_shell;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void releaseWithoutPressIsIgnored()
    {
        bool stillOpen = false;
        runSoon(m_popup, [&] {
            // The release of the key that opened the popup must not turn the page.
            QTest::keyRelease(m_popup->listView(), Qt::Key_F14);
            stillOpen = m_popup->QWidget::isVisible() && m_popup->listView()->startIdx() == 0;
            QTest::keyClick(m_popup->listView(), Qt::Key_F14);
            QTest::keyClick(m_popup->listView(), Qt::Key_Escape);
        });
        QCOMPARE(m_popup->exec(), 0);
        QVERIFY(stillOpen);
        QCOMPARE(m_popup->listView()->startIdx(), 5);
    }

    void multipleCheck()
    {
        m_popup->setMultipleCheck(true);
        QSignalSpy clicked(m_popup, SIGNAL(clicked(int)));
        bool openAfterClicks = false;
        runSoon(m_popup, [&] {
            QTest::keyClick(m_popup->listView(), Qt::Key_F6);
            QTest::keyClick(m_popup->listView(), Qt::Key_F8);
            openAfterClicks = m_popup->QWidget::isVisible();
            m_popup->nextButton()->hide();
            m_popup->okButton()->show();
            QTest::keyClick(m_popup->listView(), Qt::Key_F14);
        });
        QCOMPARE(m_popup->exec(), 1);
        QVERIFY(openAfterClicks);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(1).at(0).toInt(), 2);
    }

private:
    TestShell *m_shell = nullptr;
    SelectPopup *m_popup = nullptr;
};

QTEST_MAIN(tst_SelectPopup)
#include "tst_selectpopup.moc"
