#include "PrintChecks.h"
#include "picture/Picture.h"

#include <QImage>
#include <QTest>

using namespace terralore;
using namespace terralore::test;

class PrintSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void printMovesThePosition_data();
    void printMovesThePosition();
    void blankLinesPastTheBottomAddNoPage();
    void aLineTallerThanThePageStaysPut();
    void pictureAtItsNaturalSize();
    void lineMovesThePositionToItsEnd();
    void aSentDocumentTakesNoMore();
    void anEmptyJobStillHasItsPage();
};

void PrintSurfaceTest::printMovesThePosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("lineEnd");
    QTest::newRow("line") << QStringLiteral("Granite") << 12.0 << true;
    QTest::newRow("no line end") << QStringLiteral("Granite") << 12.0 << false;
    QTest::newRow("big line") << QStringLiteral("Basalt and chalk") << 36.0 << true;
    QTest::newRow("big, no line end") << QStringLiteral("Basalt and chalk") << 36.0 << false;
    QTest::newRow("empty line") << QString() << 25.0 << true;
}

void PrintSurfaceTest::printMovesThePosition()
{
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, lineEnd);
    RecordingPrintSurface surface;
    surface.setFontSize(points);
    surface.setCurrentX(1000);
    surface.setCurrentY(2000);
    const float width = surface.TextWidth(text);
    const float height = surface.TextHeight();
    QVERIFY(height > points * 20);
    if (lineEnd)
        surface.Print(text);
    else
        surface.PrintNoLineEnd(text);
    QCOMPARE(surface.CurrentX(), lineEnd ? 0.0f : 1000 + width);
    QCOMPARE(surface.CurrentY(), lineEnd ? 2000 + height : 2000.0f);
    const PrintRecord r = textRecords(surface).constLast();
    QCOMPARE(r.x, 1000.0f);
    QCOMPARE(r.y, 2000.0f);
    QCOMPARE(r.text, text);
}

void PrintSurfaceTest::blankLinesPastTheBottomAddNoPage()
{
    RecordingPrintSurface surface(QSizeF(6000, 1000));
    surface.setFontSize(12);
    const float height = surface.TextHeight();
    while (surface.CurrentY() + height <= 1000)
        surface.Print(QStringLiteral("Slate"));
    surface.Print(QStringLiteral(" "));
    surface.Print();
    QCOMPARE(surface.page(), 1);
    surface.EndDoc();
    QCOMPARE(surface.pagesStarted(), 1);

    // Ink on the fresh page starts it, at the top.
    RecordingPrintSurface inked(QSizeF(6000, 1000));
    inked.setFontSize(12);
    while (inked.CurrentY() + height <= 1000)
        inked.Print(QStringLiteral("Slate"));
    inked.setCurrentX(500);
    inked.Print(QStringLiteral("Shale"));
    QCOMPARE(inked.pagesStarted(), 2);
    const PrintRecord r = textRecords(inked).constLast();
    QCOMPARE(r.page, 1);
    QCOMPARE(r.y, 0.0f);
    QCOMPARE(r.x, 500.0f);
}

void PrintSurfaceTest::aLineTallerThanThePageStaysPut()
{
    RecordingPrintSurface surface(QSizeF(6000, 300));
    surface.setFontSize(72);
    surface.Print(QStringLiteral("Big"));
    surface.Print(QStringLiteral("Bigger"));
    const QList<PrintRecord> texts = textRecords(surface);
    QCOMPARE(texts.at(0).page, 0);
    QCOMPARE(texts.at(0).y, 0.0f);
    QCOMPARE(texts.at(1).page, 1);
    QCOMPARE(texts.at(1).y, 0.0f);
}

void PrintSurfaceTest::pictureAtItsNaturalSize()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    RecordingPrintSurface surface;
    surface.Print();
    surface.PaintPicture(Picture::fromImage(image), 1000, 1000);
    surface.EndDoc();
    const QList<PrintRecord> pictures = surface.records(PrintRecord::Kind::Picture);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(QRectF(pictures[0].x, pictures[0].y, pictures[0].x2, pictures[0].y2), QRectF(1000, 1000, 600, 450));
    QCOMPARE(surface.pagesStarted(), 1);
}

void PrintSurfaceTest::lineMovesThePositionToItsEnd()
{
    RecordingPrintSurface surface;
    surface.setDrawWidth(2);
    surface.setForeColor(QColor(0, 0, 128));
    surface.Line(100, 200, 3000, 400);
    QCOMPARE(surface.CurrentX(), 3000.0f);
    QCOMPARE(surface.CurrentY(), 400.0f);
    const PrintRecord r = surface.records(PrintRecord::Kind::Line).constFirst();
    QCOMPARE(r.drawWidth, 2);
    QCOMPARE(r.color, QColor(0, 0, 128));
    surface.setDrawWidth(0);
    QCOMPARE(surface.DrawWidth(), 1);
    QCOMPARE(PrintSurface::DrawWidthTwips(2), 9.6f);
}

void PrintSurfaceTest::aSentDocumentTakesNoMore()
{
    RecordingPrintSurface surface;
    surface.Print(QStringLiteral("Fossil"));
    surface.EndDoc();
    QVERIFY(surface.ended());
    QVERIFY_THROWS_EXCEPTION(PrintError, surface.Print(QStringLiteral("again")));
    QVERIFY_THROWS_EXCEPTION(PrintError, surface.EndDoc());
    // Abandoning a sent document changes nothing.
    surface.KillDoc();
    QCOMPARE(surface.records(PrintRecord::Kind::End).size(), 1);
    QVERIFY(surface.records(PrintRecord::Kind::Abandon).isEmpty());
}

void PrintSurfaceTest::anEmptyJobStillHasItsPage()
{
    RecordingPrintSurface surface;
    surface.Print();
    surface.EndDoc();
    QCOMPARE(surface.pagesStarted(), 1);
    QCOMPARE(lastKind(surface), PrintRecord::Kind::End);
}

QTEST_MAIN(PrintSurfaceTest)
#include "tst_printsurface.moc"
