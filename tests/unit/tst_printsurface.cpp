// The print surface's own rules, on a device of fixed measures that records
// what it is asked to paint: where text lands, when a page starts, the
// centred line, the fitted page, and a failure that stops the document.
#include "PrintSurface.h"

#include <QTest>

using namespace terralore;

namespace {

// A printable area of 1000 by 1000 twips; every character 100 twips wide,
// every line 240 twips high, whatever the font.
class RecordingSurface : public PrintSurface {
public:
    QStringList painted;
    QString failOn; // the text whose painting the device fails

protected:
    QSizeF printableSize() override { return {1000, 1000}; }
    void scaleDrawing(double scale) override { painted << QStringLiteral("scale %1").arg(scale); }
    float measureText(const PrintFont &, const QString &text) override { return 100.0f * float(text.size()); }
    float measureLineHeight(const PrintFont &) override { return 240; }
    void paintText(float x, float y, const QString &text, const PrintFont &font, const QColor &) override
    {
        if (!failOn.isEmpty() && text == failOn)
            fail(QStringLiteral("out of paper"));
        painted << QStringLiteral("text %1,%2 %3pt \"%4\"").arg(x).arg(y).arg(font.pointSize).arg(text);
    }
    void paintLine(float x1, float y1, float x2, float y2, const QColor &, int dots) override
    {
        painted << QStringLiteral("line %1,%2 %3,%4 %5 dots").arg(x1).arg(y1).arg(x2).arg(y2).arg(dots);
    }
    void paintPicture(const Picture &, float, float) override { painted << QStringLiteral("picture"); }
    void startPage(int page) override { painted << QStringLiteral("page %1").arg(page); }
    void finishDocument() override { painted << QStringLiteral("sent"); }
    void abandonDocument() noexcept override { painted << QStringLiteral("abandoned"); }
};

// Runs steps on the surface: "line:TEXT", "text:TEXT", "centre:TEXT",
// "newline", "size:POINTS", "x:TWIPS", "rule:X1,Y1,X2,Y2", "width:DOTS",
// "finish".
void run(PrintSurface &surface, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString verb = step.section(u':', 0, 0);
        const QString arg = step.section(u':', 1);
        if (verb == QLatin1String("line"))
            surface.drawTextLine(arg);
        else if (verb == QLatin1String("text"))
            surface.drawText(arg);
        else if (verb == QLatin1String("centre"))
            surface.drawCentredTextLine(arg);
        else if (verb == QLatin1String("newline"))
            surface.newLine();
        else if (verb == QLatin1String("size"))
            surface.setPointSize(arg.toDouble());
        else if (verb == QLatin1String("x"))
            surface.setX(arg.toFloat());
        else if (verb == QLatin1String("width"))
            surface.setPenWidth(arg.toInt());
        else if (verb == QLatin1String("rule")) {
            const QStringList c = arg.split(u',');
            surface.drawLine(c[0].toFloat(), c[1].toFloat(), c[2].toFloat(), c[3].toFloat());
        } else if (verb == QLatin1String("finish"))
            surface.finish();
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

} // namespace

class PrintSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    // A device failure stops the routine and every later call; the document
    // is abandoned once and never sent.
    void aFailureStopsTheDocument()
    {
        RecordingSurface surface;
        surface.failOn = QStringLiteral("b");
        surface.drawTextLine(QStringLiteral("a"));
        QVERIFY_THROWS_EXCEPTION(PrintError, surface.drawTextLine(QStringLiteral("b")));
        QVERIFY(surface.failed());
        QCOMPARE(surface.failure(), QStringLiteral("out of paper"));
        QVERIFY_THROWS_EXCEPTION(PrintError, surface.textWidth(QStringLiteral("c")));
        QVERIFY_THROWS_EXCEPTION(PrintError, surface.finish());
        surface.abort();
        surface.abort();
        QVERIFY(surface.ended());
        QCOMPARE(surface.painted, (QStringList{QStringLiteral("page 0"), QStringLiteral("text 0,0 12pt \"a\""),
                                               QStringLiteral("abandoned")}));
    }

    void aFinishedDocumentTakesNoMore()
    {
        RecordingSurface surface;
        surface.drawTextLine(QStringLiteral("a"));
        surface.finish();
        QVERIFY(surface.ended());
        QVERIFY_THROWS_EXCEPTION(PrintError, surface.drawTextLine(QStringLiteral("b")));
        surface.abort();
        QCOMPARE(surface.painted, (QStringList{QStringLiteral("page 0"), QStringLiteral("text 0,0 12pt \"a\""),
                                               QStringLiteral("sent")}));
    }

    // Each step as the layouts take them, and what reaches the device.
    void drawsWhereThePositionIs_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("painted");
        QTest::addColumn<QPointF>("position"); // after the steps
        using S = QStringList;
        QTest::newRow("a text line, then text on the next")
            << S{"line:ab", "text:cd"} << S{"page 0", "text 0,0 12pt \"ab\"", "text 0,240 12pt \"cd\""}
            << QPointF(200, 240);
        QTest::newRow("text, then a line after it")
            << S{"text:ab", "line:c"} << S{"page 0", "text 0,0 12pt \"ab\"", "text 200,0 12pt \"c\""}
            << QPointF(0, 240);
        QTest::newRow("a line from a set x")
            << S{"x:350", "line:ab"} << S{"page 0", "text 350,0 12pt \"ab\""} << QPointF(0, 240);
        QTest::newRow("centred on the width")
            << S{"size:20", "centre:abcd"} << S{"page 0", "text 300,0 20pt \"abcd\""} << QPointF(0, 240);
        QTest::newRow("a line end alone starts no page")
            << S{"newline", "newline"} << S{"text 0,0 12pt \"\"", "text 0,240 12pt \"\""} << QPointF(0, 480);
        QTest::newRow("the fifth line goes to a fresh page")
            << S{"line:a", "line:b", "line:c", "line:d", "line:e"} << S{"page 0",
                                                                        "text 0,0 12pt \"a\"",
                                                                        "text 0,240 12pt \"b\"",
                                                                        "text 0,480 12pt \"c\"",
                                                                        "text 0,720 12pt \"d\"",
                                                                        "page 1",
                                                                        "text 0,0 12pt \"e\""}
            << QPointF(0, 240);
        QTest::newRow("blanks after a page break leave no empty page")
            << S{"line:a", "line:b", "line:c", "line:d", "line: ", "finish"}
            << S{"page 0",
                 "text 0,0 12pt \"a\"",
                 "text 0,240 12pt \"b\"",
                 "text 0,480 12pt \"c\"",
                 "text 0,720 12pt \"d\"",
                 "text 0,0 12pt \" \"",
                 "sent"}
            << QPointF(0, 0);
        QTest::newRow("an empty document is one page") << S{"finish"} << S{"page 0", "sent"} << QPointF(0, 0);
        QTest::newRow("a line moves the position to its end")
            << S{"width:2", "rule:10,20,500,20", "text:a"}
            << S{"page 0", "line 10,20 500,20 2 dots", "text 500,20 12pt \"a\""} << QPointF(600, 20);
        QTest::newRow("a pen is at least a dot wide")
            << S{"width:0", "rule:0,0,0,300"} << S{"page 0", "line 0,0 0,300 1 dots"} << QPointF(0, 300);
    }

    void drawsWhereThePositionIs()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, painted);
        QFETCH(QPointF, position);
        RecordingSurface surface;
        run(surface, steps);
        QCOMPARE(surface.painted, painted);
        QCOMPARE(QPointF(surface.x(), surface.y()), position);
    }

    void fitsThePageToItsDesign_data()
    {
        QTest::addColumn<QSizeF>("minimum");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSizeF>("page");
        QTest::newRow("smaller than the printable area") << QSizeF(800, 600) << 1.0 << QSizeF(1000, 1000);
        QTest::newRow("twice as wide") << QSizeF(2000, 500) << 0.5 << QSizeF(2000, 2000);
        QTest::newRow("four times as high") << QSizeF(1000, 4000) << 0.25 << QSizeF(4000, 4000);
    }

    void fitsThePageToItsDesign()
    {
        QFETCH(QSizeF, minimum);
        QFETCH(double, scale);
        QFETCH(QSizeF, page);
        RecordingSurface surface;
        surface.fitPageTo(minimum);
        QCOMPARE(surface.pageScale(), scale);
        QCOMPARE(QSizeF(surface.pageWidth(), surface.pageHeight()), page);
        QCOMPARE(surface.painted, QStringList{QStringLiteral("scale %1").arg(scale)});
    }
};

QTEST_MAIN(PrintSurfaceTest)
#include "tst_printsurface.moc"
