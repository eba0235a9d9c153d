#include "listviewsettingitems.h"
#include "listviewvalueitems.h"
#include "rowcanvas.h"

#include <QtTest>

using namespace RowCanvas;

namespace {
const int rightEdge = rowRect.right();
const int top = rowRect.top();
} // namespace

// The rows of the settings screens. Their marks, colours and places are held by the gallery's
// golden pictures (tests/baselines); these check what the pictures cannot.
class tst_ListViewItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { pinFont(); }
    void selectValueIsElidedLabelIsNot()
    {
        const QColor green(0, 200, 0);
        const QString longValue = QString(40, QLatin1Char('W'));
        ListViewSelectItem endsX(QString(40, QChar(0x2588)), longValue + QLatin1Char('X'));
        ListViewSelectItem endsY(QString(), longValue + QLatin1Char('Y'));
        endsX.setTextColor(green);
        const QImage x = paintRow(endsX);
        const QImage y = paintRow(endsY);

        const QRect valueArea(rightEdge - 248, top, 206, rowRect.height());
        const QRect value = changed(y, valueArea);
        QVERIFY(value.left() >= rightEdge - 248 && value.right() >= rightEdge - 46);
        // Elided, both end in the same ellipsis.
        QCOMPARE(changed(x, valueArea, y), QRect());
        // The label is clipped to its 216 pixels, never shortened with an ellipsis.
        QCOMPARE(inkOf(x, green).left(), rowRect.left() + 15);
        QCOMPARE(inkOf(x, green).right(), rowRect.left() + 15 + 216 - 1);
    }
    void lineEditLimits()
    {
        // The limits cut the stored text, and new text the same way.
        ListViewLineEditItem bytes(QString(), QStringLiteral("abcd"));
        bytes.setMaxBytes(3);
        QCOMPARE(bytes.editText(), QStringLiteral("abc"));
        // A two-byte character that reaches the limit stays.
        bytes.setEditText(QStringLiteral("ab\uAC00"));
        QCOMPARE(bytes.editText(), QStringLiteral("ab\uAC00"));
        ListViewLineEditItem length(QString(), QStringLiteral("abcd"));
        length.setMaxLength(2);
        QCOMPARE(length.editText(), QStringLiteral("ab"));
        length.setEditText(QStringLiteral("xyz"));
        QCOMPARE(length.editText(), QStringLiteral("xy"));
    }
};

QTEST_MAIN(tst_ListViewItems)
#include "tst_listviewitems.moc"
