// Damaged and hostile files: an empty or partial picture, never a crash,
// a hang or a huge allocation.
#include "PictureTesting.h"
#include "WmfWriter.h"

#include "picture/Picture.h"
#include "picture/WmfReader.h"
#include "picture/WmfTypes.h"

#include <QDir>
#include <QPainter>
#include <QTest>

using namespace terralore;
using namespace terralore::test;
using namespace terralore::wmf;

namespace {

constexpr int kSize = 100;

// A page that draws a black square in its upper left quarter.
WmfWriter good()
{
    return WmfWriter::filledPage(Qt::black).rectangle(QRect(0, 0, 500, 500));
}

QByteArray words(const QList<int> &values)
{
    QByteArray out;
    for (int v : values)
        WmfWriter::put16(out, v);
    return out;
}

QByteArray forgedDib(qint32 width, qint32 height, int bits)
{
    QByteArray dib;
    WmfWriter::put32(dib, 40);
    WmfWriter::put32(dib, quint32(width));
    WmfWriter::put32(dib, quint32(height));
    WmfWriter::put16(dib, 1);
    WmfWriter::put16(dib, bits);
    dib.append(QByteArray(24, '\0'));
    return dib + QByteArray(64, '\x55');
}

} // namespace

class TestWmfMalformed : public QObject {
    Q_OBJECT
private slots:
    void survives_data();
    void survives();
    void truncatedAnywhere();
    void foundByFuzzing_data();
    void foundByFuzzing();
};

void TestWmfMalformed::survives_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<bool>("drawsSquare"); // the good part before the damage still shows

    const QByteArray whole = good().finish();
    QTest::newRow("truncated header") << whole.left(30) << false;
    QTest::newRow("record size past the end")
        << good().forgedRecord(0x7FFFFFFF, Rectangle, words({1, 1, 0, 0})).finish() << true;
    QTest::newRow("zero-size record")
        << good().forgedRecord(0, LineTo, words({5, 5})).lineTo(900, 900).finish() << true;
    QTest::newRow("size-two record") << good().forgedRecord(2, Rectangle, QByteArray()).finish() << true;
    QTest::newRow("polygon count past record")
        << good().record(Polygon, {1000, 0, 0, 10, 10}).finish() << true;
    QTest::newRow("poly-polygon counts past record")
        << good().record(PolyPolygon, {2, 30000, 30000, 0, 0, 1, 1}).finish() << true;
    QTest::newRow("poly-polygon polygon count past record")
        << good().record(PolyPolygon, {60000, 3}).finish() << true;
    QTest::newRow("text length past record") << good().record(TextOut, {5000, 0x4141, 0, 0}).finish() << true;
    QTest::newRow("ext text length past record")
        << good().record(ExtTextOut, {0, 0, 4000, 0, 0x4141}).finish() << true;
    QTest::newRow("region scans past record")
        << good().record(CreateRegion, {0, 6, 0, 0, 0, 500, 0, 0, 0, 10, 10, 8, 0}).finish() << true;
    QTest::newRow("palette entries past record")
        << good().record(CreatePalette, {0x300, 9000, 0, 0}).finish() << true;
    QTest::newRow("huge object indexes")
        << good().selectObject(65535).deleteObject(40000).record(SelectClipRegion, {65534}).finish() << true;
    QTest::newRow("huge object count") << good().objectCount(65535).finish() << true;
    WmfWriter manyObjects = good();
    for (int i = 0; i < 20000; ++i)
        manyObjects.createPen(PsSolid, 1, Qt::red);
    QTest::newRow("more objects than the table holds") << manyObjects.finish() << true;
    WmfWriter deepSave = good();
    for (int i = 0; i < 100000; ++i)
        deepSave.record(SaveDC, {});
    for (int i = 0; i < 100001; ++i)
        deepSave.record(RestoreDC, {-1});
    QTest::newRow("deep SaveDC") << deepSave.rectangle(QRect(0, 0, 500, 500)).finish() << true;
    QTest::newRow("restore far back")
        << good().record(RestoreDC, {-32768}).record(RestoreDC, {32767}).finish() << true;

    const auto dibRecord = [](const QByteArray &dib) {
        QByteArray p;
        WmfWriter::put32(p, RopSrcCopy);
        return words({0, 8, 8, 0, 0, 500, 500, 0, 0}).prepend(p) + dib;
    };
    QTest::newRow("DIB of a billion pixels")
        << good().recordBytes(StretchDib, dibRecord(forgedDib(40000, 40000, 1))).finish() << true;
    QTest::newRow("DIB of negative width")
        << good().recordBytes(StretchDib, dibRecord(forgedDib(-8, 8, 24))).finish() << true;
    QTest::newRow("DIB of smallest height")
        << good().recordBytes(StretchDib, dibRecord(forgedDib(8, INT_MIN, 24))).finish() << true;
    QTest::newRow("RLE bitmap of garbage")
        << good().recordBytes(StretchDib, dibRecord(forgedDib(8, 8, 8).replace(16, 1, "\x01"))).finish()
        << true;
    QTest::newRow("absurd font and mapping") << good()
                                                    .setMapMode(MmAnisotropic)
                                                    .setWindowExt(1, 1)
                                                    .setViewportExt(32767, 32767)
                                                    .createFont(-32768, "Arial")
                                                    .selectObject(2)
                                                    .textOut(QPoint(0, 0), "Huge")
                                                    .createPen(PsDash, 0, Qt::red)
                                                    .selectObject(3)
                                                    .lineTo(-32768, 32767)
                                                    .finish()
                                             << true;
    QTest::newRow("zero extents") << good().setWindowExt(0, 0).record(ScaleWindowExt, {0, 0, 0, 0}).finish()
                                  << true;
    QByteArray forgedHeader = good().finish();
    forgedHeader.replace(22 + 6, 4, "\xFF\xFF\xFF\x7F");  // file size field
    forgedHeader.replace(22 + 12, 4, "\xFF\xFF\xFF\x7F"); // largest record field
    QTest::newRow("forged header sizes") << forgedHeader << true;
}

void TestWmfMalformed::survives()
{
    QFETCH(QByteArray, wmf);
    QFETCH(bool, drawsSquare);
    const auto doc = WmfReader::read(wmf);
    if (doc) {
        QVERIFY(doc->records.size() <= size_t(WmfLimits::maxRecords));
        qint64 pixels = 0;
        for (const QImage &image : doc->images)
            pixels += qint64(image.width()) * image.height();
        QVERIFY(pixels <= WmfLimits::maxImagePixels);
    }
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    QCOMPARE(near(image.pixelColor(10, 10), Qt::black), drawsSquare);
}

void TestWmfMalformed::truncatedAnywhere()
{
    // Every prefix of a file with text, a bitmap and a region reads and draws.
    WmfWriter w = good();
    w.createFont(-100, "Arial").selectObject(2).textOut(QPoint(10, 600), "Seeds");
    w.createRegion({QRect(0, 0, 100, 100)}).record(SelectClipRegion, {3});
    QImage tiny(4, 4, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    w.stretchDib(QRect(500, 500, 400, 400), tiny, 8);
    const QByteArray whole = w.finish();
    int pictures = 0;
    for (qsizetype length = 0; length <= whole.size(); ++length) {
        const QByteArray part = whole.left(length);
        pictures += Picture::fromData(part).isNull() ? 0 : 1;
        renderPicture(part, QSize(16, 16));
    }
    QVERIFY(pictures > 0);
}

void TestWmfMalformed::foundByFuzzing_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(fixturePath(QStringLiteral("wmf/fuzz")));
    for (const QString &name : dir.entryList({QStringLiteral("*.wmf")}, QDir::Files))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

void TestWmfMalformed::foundByFuzzing()
{
    // Inputs on which the fuzzer once crashed or hung, drawn as it draws them:
    // straight, then rotated under a clip (where a forged clip once took minutes).
    QFETCH(QString, path);
    const Picture picture = Picture::load(path);
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(0, 0, 48, 48));
    painter.rotate(30);
    painter.setClipRect(QRectF(4, 4, 30, 30));
    picture.draw(painter, QRectF(-10, 5, 90, 20));
    QVERIFY(painter.isActive());
}

QTEST_MAIN(TestWmfMalformed)
#include "tst_wmfmalformed.moc"
