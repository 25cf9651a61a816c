// Shapes, pens and brushes: pixels where the drawing must (and must not) be.
#include "PictureTesting.h"
#include "WmfWriter.h"

#include "picture/WmfTypes.h"

#include <QTest>

using namespace terralore;
using namespace terralore::test;
using namespace terralore::wmf;

namespace {

// Pages are 1000 units drawn at 200 px: one pixel is five units.
constexpr int kSize = 200;
const QColor kInk(30, 90, 200);

WmfWriter filled()
{
    return WmfWriter::filledPage(kInk);
}

QPolygon star()
{
    // A five-pointed star drawn in one stroke: its centre is wound twice.
    return QPolygon({QPoint(500, 50), QPoint(760, 900), QPoint(80, 360), QPoint(920, 360), QPoint(240, 900)});
}

int darkRun(const QImage &image, int x, int fromY, int toY)
{
    int count = 0;
    for (int y = fromY; y <= toY; ++y)
        count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

} // namespace

class TestWmfShapes : public QObject {
    Q_OBJECT
private slots:
    void fill_data();
    void fill();
    void penWidth_data();
    void penWidth();
    void dashedPenHasGaps();
    void insideFramePenStaysInside();
    void hatchedBrushIsPartlyInked_data();
    void hatchedBrushIsPartlyInked();
};

void TestWmfShapes::fill_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("inked");

    const QByteArray triangle = filled().polygon(QPolygon({{100, 900}, {500, 100}, {900, 900}})).finish();
    QTest::newRow("polygon inside") << triangle << QPoint(100, 140) << true;
    QTest::newRow("polygon outside") << triangle << QPoint(30, 40) << false;

    const QByteArray box = filled().rectangle(QRect(200, 300, 400, 200)).finish();
    QTest::newRow("rectangle inside") << box << QPoint(80, 80) << true;
    QTest::newRow("rectangle above") << box << QPoint(80, 50) << false;

    const QByteArray oval = filled().ellipse(QRect(100, 100, 800, 800)).finish();
    QTest::newRow("ellipse centre") << oval << QPoint(100, 100) << true;
    QTest::newRow("ellipse box corner") << oval << QPoint(25, 25) << false;

    const QByteArray rounded = filled().roundRect(QRect(100, 100, 800, 800), QSize(400, 400)).finish();
    QTest::newRow("round rect edge middle") << rounded << QPoint(22, 100) << true;
    QTest::newRow("round rect corner") << rounded << QPoint(24, 24) << false;

    // Counter-clockwise from 3 o'clock to 12 o'clock: the upper right quarter.
    const QByteArray pie = filled().arc(Pie, QRect(100, 100, 800, 800), {900, 500}, {500, 100}).finish();
    QTest::newRow("pie quarter") << pie << QPoint(130, 70) << true;
    QTest::newRow("pie outside quarter") << pie << QPoint(70, 130) << false;
    QTest::newRow("pie upper left") << pie << QPoint(70, 70) << false;

    const QByteArray chord = filled().arc(Chord, QRect(100, 100, 800, 800), {900, 500}, {500, 100}).finish();
    QTest::newRow("chord segment") << chord << QPoint(150, 50) << true;
    QTest::newRow("chord beyond its line") << chord << QPoint(110, 90) << false;

    const QByteArray alternate = filled().setPolyFillMode(Alternate).polygon(star()).finish();
    const QByteArray winding = filled().setPolyFillMode(Winding).polygon(star()).finish();
    QTest::newRow("alternate star centre") << alternate << QPoint(100, 105) << false;
    QTest::newRow("alternate star point") << alternate << QPoint(100, 30) << true;
    QTest::newRow("winding star centre") << winding << QPoint(100, 105) << true;

    const QPolygon outer({{100, 100}, {900, 100}, {900, 900}, {100, 900}});
    const QPolygon inner({{400, 400}, {600, 400}, {600, 600}, {400, 600}});
    const QByteArray holed = filled().polyPolygon({outer, inner}).finish();
    QTest::newRow("poly-polygon hole") << holed << QPoint(100, 100) << false;
    QTest::newRow("poly-polygon ring") << holed << QPoint(40, 40) << true;

    const QByteArray hollow =
        filled().createBrush(BsNull, kInk).selectObject(2).rectangle(QRect(100, 100, 800, 800)).finish();
    QTest::newRow("null brush") << hollow << QPoint(100, 100) << false;
}

void TestWmfShapes::fill()
{
    QFETCH(QByteArray, wmf);
    QFETCH(QPoint, pixel);
    QFETCH(bool, inked);
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    QCOMPARE(near(image.pixelColor(pixel), kInk), inked);
    if (!inked)
        QVERIFY(near(image.pixelColor(pixel), Qt::white));
}

void TestWmfShapes::penWidth_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("minPixels");
    QTest::addColumn<int>("maxPixels");
    // A hairline is one pixel of the picture at 96 dpi: three here, as 1000 twips fill 200 px.
    QTest::newRow("hairline") << int(PsSolid) << 0 << 3 << 4;
    QTest::newRow("25 units") << int(PsSolid) << 25 << 4 << 6;
    QTest::newRow("50 units") << int(PsSolid) << 50 << 9 << 11;
    QTest::newRow("100 units") << int(PsSolid) << 100 << 19 << 21;
    QTest::newRow("null pen") << int(PsNull) << 100 << 0 << 0;
}

void TestWmfShapes::penWidth()
{
    QFETCH(int, style);
    QFETCH(int, width);
    QFETCH(int, minPixels);
    QFETCH(int, maxPixels);
    const QByteArray wmf = WmfWriter::page()
                               .createPen(style, width, Qt::black)
                               .selectObject(0)
                               .moveTo(100, 500)
                               .lineTo(900, 500)
                               .finish();
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    const int thickness = darkRun(image, 100, 60, 140);
    QVERIFY2(thickness >= minPixels && thickness <= maxPixels, qPrintable(QString::number(thickness)));
}

void TestWmfShapes::dashedPenHasGaps()
{
    const auto line = [](int style) {
        const QByteArray wmf = WmfWriter::page()
                                   .createPen(style, 0, Qt::black)
                                   .selectObject(0)
                                   .setBkMode(Transparent)
                                   .moveTo(0, 502)
                                   .lineTo(1000, 502)
                                   .finish();
        const QImage image = renderPicture(wmf, QSize(kSize, kSize));
        int dark = 0;
        for (int x = 0; x < kSize; ++x)
            dark += darkRun(image, x, 98, 102) > 0 ? 1 : 0;
        return dark;
    };
    const int solid = line(PsSolid);
    const int dashed = line(PsDash);
    const int dotted = line(PsDot);
    QVERIFY2(solid >= kSize - 2, qPrintable(QString::number(solid)));
    QVERIFY2(dashed < solid * 0.9 && dashed > solid * 0.5, qPrintable(QString::number(dashed)));
    QVERIFY2(dotted < solid * 0.7 && dotted > solid * 0.3, qPrintable(QString::number(dotted)));
}

void TestWmfShapes::insideFramePenStaysInside()
{
    const auto leftEdge = [](int style) {
        const QByteArray wmf = WmfWriter::page()
                                   .createPen(style, 100, Qt::black)
                                   .selectObject(0)
                                   .rectangle(QRect(200, 200, 600, 600))
                                   .finish();
        return darkBounds(renderPicture(wmf, QSize(kSize, kSize))).left();
    };
    QCOMPARE(leftEdge(PsInsideFrame), 40);
    QVERIFY(leftEdge(PsSolid) <= 31);
}

void TestWmfShapes::hatchedBrushIsPartlyInked_data()
{
    QTest::addColumn<int>("hatch");
    for (int hatch : {HsHorizontal, HsVertical, HsFDiagonal, HsBDiagonal, HsCross, HsDiagCross})
        QTest::addRow("hatch %d", hatch) << hatch;
}

void TestWmfShapes::hatchedBrushIsPartlyInked()
{
    QFETCH(int, hatch);
    const QByteArray wmf = filled()
                               .setBkMode(Transparent)
                               .createBrush(BsHatched, kInk, hatch)
                               .selectObject(2)
                               .rectangle(QRect(0, 0, 1000, 1000))
                               .finish();
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    const QRect area(20, 20, 160, 160);
    const int inked = countNear(image, area, kInk, 60);
    const int white = countNear(image, area, Qt::white, 10);
    QVERIFY2(inked > area.width() * area.height() / 20, qPrintable(QString::number(inked)));
    QVERIFY2(white > area.width() * area.height() / 3, qPrintable(QString::number(white)));
}

QTEST_MAIN(TestWmfShapes)
#include "tst_wmfshapes.moc"
