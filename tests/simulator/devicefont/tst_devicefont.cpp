#include "devicefont.h"

#include <QApplication>
#include <QtTest>

// The display's languages must all be drawn with real letters: Korean needs a CJK font as a
// fallback of the narrow Latin one.
class tst_DeviceFont : public QObject
{
    Q_OBJECT
private slots:
    void everyLanguageIsDrawn();
    void koreanFallsBackToAFontWithHangul();
    void lettersNoFontHasAreFound();
};

void tst_DeviceFont::everyLanguageIsDrawn()
{
    const QFont font = DeviceFont::font();
    QCOMPARE(font.family(), QStringLiteral("DejaVu Sans Condensed"));
    QCOMPARE(DeviceFont::uncoveredLanguages(font), QStringList());
}

void tst_DeviceFont::koreanFallsBackToAFontWithHangul()
{
    const QStringList families
        = DeviceFont::drawingFamilies(DeviceFont::font(), QStringLiteral("설정"));
    QCOMPARE(families.size(), 1);
    QVERIFY2(!families.first().startsWith(QLatin1String("DejaVu")), qPrintable(families.first()));
    QVERIFY2(families.first().contains(QLatin1String("CJK")), qPrintable(families.first()));
    QCOMPARE(DeviceFont::drawingFamilies(DeviceFont::font(), QStringLiteral("Ελληνικά")),
        QStringList {"DejaVu Sans Condensed"});
}

void tst_DeviceFont::lettersNoFontHasAreFound()
{
    // A private-use code point has a glyph in no font.
    QVERIFY(DeviceFont::drawsAll(DeviceFont::font(), QStringLiteral("Wi-Fi 한국어")));
    QVERIFY(!DeviceFont::drawsAll(DeviceFont::font(), QStringLiteral("Wi-Fi \ue000")));
}

QTEST_MAIN(tst_DeviceFont)
#include "tst_devicefont.moc"
