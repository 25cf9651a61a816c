// Device-independent bitmaps: depths, row order, mirroring, blits, raster
// operations and pattern brushes.
#include "PictureTesting.h"
#include "WmfWriter.h"

#include "picture/WmfDib.h"
#include "picture/WmfTypes.h"

#include <QTest>

using namespace terralore;
using namespace terralore::test;
using namespace terralore::wmf;

namespace {

constexpr int kSize = 200;

// Four quadrants: red, green / blue, yellow.
QImage quadrants(int width = 8, int height = 8)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            image.setPixel(x, y,
                           !bottom ? (right ? qRgb(0, 200, 0) : qRgb(220, 0, 0))
                                   : (right ? qRgb(250, 220, 0) : qRgb(0, 0, 220)));
        }
    }
    return image;
}

QImage checker()
{
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, (x < 4) == (y < 4) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    return image;
}

// The same DIB stored top row first (negative height).
QByteArray topDown(const QImage &image)
{
    QByteArray dib = WmfWriter::dib(image.mirrored(false, true), 24);
    const qint32 height = -image.height();
    for (int i = 0; i < 4; ++i)
        dib[8 + i] = char((height >> (8 * i)) & 0xFF);
    return dib;
}

QByteArray stretchDibRecord(const QRect &dest, const QByteArray &dib, const QSize &source,
                            quint32 rop = RopSrcCopy)
{
    QByteArray p;
    WmfWriter::put32(p, rop);
    for (int v : {int(DibRgbColors), source.height(), source.width(), 0, 0, dest.height(), dest.width(),
                  dest.y(), dest.x()})
        WmfWriter::put16(p, v);
    return WmfWriter::page().recordBytes(StretchDib, p + dib).finish();
}

} // namespace

class TestWmfBitmaps : public QObject {
    Q_OBJECT
private slots:
    void cornerColours_data();
    void cornerColours();
    void monochromeBitmap();
    void blits_data();
    void blits();
    void patBlt_data();
    void patBlt();
    void srcAndKeepsWhiteAndDarkens();
    void patternBrushTiles();
    void rejectsDibsThatDoNotFit_data();
    void rejectsDibsThatDoNotFit();
};

void TestWmfBitmaps::cornerColours_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<bool>("mirrored");
    const QRect page(0, 0, 1000, 1000);
    for (int bits : {4, 8, 24, 32})
        QTest::addRow("%d bits", bits)
            << WmfWriter::page().stretchDib(page, quadrants(), bits).finish() << false;
    QTest::newRow("top-down rows") << stretchDibRecord(page, topDown(quadrants()), QSize(8, 8)) << false;
    QTest::newRow("mirrored") << stretchDibRecord(QRect(1000, 0, -1000, 1000), WmfWriter::dib(quadrants()),
                                                  QSize(8, 8))
                              << true;
}

void TestWmfBitmaps::cornerColours()
{
    QFETCH(QByteArray, wmf);
    QFETCH(bool, mirrored);
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    const QColor left[2] = {QColor(220, 0, 0), QColor(0, 0, 220)};
    const QColor right[2] = {QColor(0, 200, 0), QColor(250, 220, 0)};
    for (int row = 0; row < 2; ++row) {
        const int y = row ? 180 : 20;
        QVERIFY(near(image.pixelColor(20, y), mirrored ? right[row] : left[row]));
        QVERIFY(near(image.pixelColor(180, y), mirrored ? left[row] : right[row]));
    }
}

void TestWmfBitmaps::monochromeBitmap()
{
    const QImage image = renderPicture(
        WmfWriter::page().stretchDib(QRect(0, 0, 1000, 1000), checker(), 1).finish(), QSize(kSize, kSize));
    QVERIFY(near(image.pixelColor(20, 20), Qt::black));
    QVERIFY(near(image.pixelColor(180, 20), Qt::white));
    QVERIFY(near(image.pixelColor(180, 180), Qt::black));
}

void TestWmfBitmaps::blits_data()
{
    QTest::addColumn<QByteArray>("wmf");
    const QByteArray dib = WmfWriter::dib(quadrants(), 24);
    QByteArray bitBlt;
    WmfWriter::put32(bitBlt, RopSrcCopy);
    for (int v : {0, 0, 8, 8, 8, 8}) // ySrc, xSrc, height, width, yDest, xDest in a 16-unit window
        WmfWriter::put16(bitBlt, v);
    QTest::newRow("DIBBitBlt")
        << WmfWriter::page().setWindowExt(16, 16).recordBytes(DibBitBlt, bitBlt + dib).finish();
    QByteArray stretch;
    WmfWriter::put32(stretch, RopSrcCopy);
    for (int v : {8, 8, 0, 0, 500, 500, 500, 500}) // source h, w, y, x; dest h, w, y, x
        WmfWriter::put16(stretch, v);
    QTest::newRow("DIBStretchBlt") << WmfWriter::page().recordBytes(DibStretchBlt, stretch + dib).finish();
    QByteArray toDevice;
    for (int v : {int(DibRgbColors), 8, 0, 0, 0, 8, 8, 8, 8}) // usage, scans, start, y, x, h, w, yDest, xDest
        WmfWriter::put16(toDevice, v);
    QTest::newRow("SetDIBitsToDevice")
        << WmfWriter::page().setWindowExt(16, 16).recordBytes(SetDibToDev, toDevice + dib).finish();
}

void TestWmfBitmaps::blits()
{
    // Each record puts the bitmap in the lower right quarter of the page.
    QFETCH(QByteArray, wmf);
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    QVERIFY(near(image.pixelColor(50, 50), Qt::white));
    QVERIFY2(near(image.pixelColor(110, 110), QColor(220, 0, 0)),
             qPrintable(image.pixelColor(110, 110).name()));
    QVERIFY(near(image.pixelColor(190, 190), QColor(250, 220, 0)));
}

void TestWmfBitmaps::patBlt_data()
{
    QTest::addColumn<quint32>("rop");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("blackness") << quint32(RopBlackness) << QColor(Qt::black);
    QTest::newRow("whiteness") << quint32(RopWhiteness) << QColor(Qt::white);
    QTest::newRow("pattern copy") << quint32(RopPatCopy) << QColor(Qt::blue);
    QTest::newRow("destination invert") << quint32(RopDstInvert) << QColor(Qt::yellow);
}

void TestWmfBitmaps::patBlt()
{
    QFETCH(quint32, rop);
    QFETCH(QColor, expected);
    QByteArray p;
    WmfWriter::put32(p, rop);
    for (int v : {500, 500, 250, 250}) // height, width, y, x
        WmfWriter::put16(p, v);
    WmfWriter w = WmfWriter::filledPage(Qt::blue);
    w.rectangle(QRect(0, 0, 1000, 1000));
    w.recordBytes(PatBlt, p);
    const QImage image = renderPicture(w.finish(), QSize(kSize, kSize));
    QVERIFY2(near(image.pixelColor(100, 100), expected), qPrintable(image.pixelColor(100, 100).name()));
    QVERIFY(near(image.pixelColor(20, 20), Qt::blue));
}

void TestWmfBitmaps::srcAndKeepsWhiteAndDarkens()
{
    WmfWriter w = WmfWriter::filledPage(Qt::red);
    w.rectangle(QRect(0, 0, 1000, 1000));
    w.stretchDib(QRect(0, 0, 1000, 1000), checker(), 1, RopSrcAnd);
    const QImage image = renderPicture(w.finish(), QSize(kSize, kSize));
    QVERIFY(near(image.pixelColor(20, 20), Qt::black));
    QVERIFY(near(image.pixelColor(180, 20), Qt::red));
}

void TestWmfBitmaps::patternBrushTiles()
{
    WmfWriter w = WmfWriter::page();
    w.createPen(PsNull, 0, Qt::black).selectObject(0);
    w.createPatternBrush(quadrants()).selectObject(1).rectangle(QRect(0, 0, 1000, 1000));
    const QImage image = renderPicture(w.finish(), QSize(kSize, kSize));
    for (const QColor &colour :
         {QColor(220, 0, 0), QColor(0, 200, 0), QColor(0, 0, 220), QColor(250, 220, 0)})
        QVERIFY(countNear(image, QRect(10, 10, 180, 180), colour, 30) > 1000);
}

void TestWmfBitmaps::rejectsDibsThatDoNotFit_data()
{
    QTest::addColumn<QByteArray>("dib");
    const QByteArray good = WmfWriter::dib(quadrants(), 24);
    QTest::newRow("bits cut short") << good.left(good.size() - 10);
    QByteArray huge = good;
    huge[4] = huge[5] = huge[6] = char(0xFF); // width about 16 million
    QTest::newRow("huge width") << huge;
    QByteArray depth = good;
    depth[14] = 7;
    QTest::newRow("unknown depth") << depth;
    QTest::newRow("header only") << good.left(40);
    QByteArray table = WmfWriter::dib(quadrants(), 8);
    QTest::newRow("colour table cut") << table.left(40 + 100);
}

void TestWmfBitmaps::rejectsDibsThatDoNotFit()
{
    QFETCH(QByteArray, dib);
    QVERIFY(!wmfdib::inspect(dib, DibRgbColors, nullptr));
    QVERIFY(wmfdib::decode(dib, DibRgbColors).isNull());
}

QTEST_MAIN(TestWmfBitmaps)
#include "tst_wmfbitmaps.moc"
