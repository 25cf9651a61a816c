// Reading: which bytes are metafiles, the natural size, plain files' frames.
#include "WmfWriter.h"

#include "picture/Picture.h"
#include "picture/WmfDocument.h"
#include "picture/WmfReader.h"
#include "picture/WmfTypes.h"

#include <QTest>

using namespace terralore;
using namespace terralore::test;
using namespace terralore::wmf;

namespace {

QByteArray plainHeader(int type, int headerSize, int version)
{
    QByteArray h;
    for (int v : {type, headerSize, version, 12, 0, 0, 3, 0, 0})
        WmfWriter::put16(h, v);
    WmfWriter::put32(h, 3);
    WmfWriter::put16(h, EndOfFile);
    return h;
}

WmfWriter drawing()
{
    WmfWriter w;
    return w.rectangle(QRect(100, 200, 300, 400));
}

} // namespace

class TestWmfReader : public QObject {
    Q_OBJECT
private slots:
    void detection_data();
    void detection();
    void naturalSize_data();
    void naturalSize();
    void plainFrame_data();
    void plainFrame();
    void keepsCheckedRecords();
};

void TestWmfReader::detection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isWmf");
    QTest::newRow("placeable") << WmfWriter::page().rectangle(QRect(0, 0, 10, 10)).finish() << true;
    QTest::newRow("plain, memory type") << plainHeader(1, 9, 0x0300) << true;
    QTest::newRow("plain, disk type") << plainHeader(2, 9, 0x0100) << true;
    QTest::newRow("other type") << plainHeader(3, 9, 0x0300) << false;
    QTest::newRow("header size 10") << plainHeader(1, 10, 0x0300) << false;
    QTest::newRow("version 0x0200") << plainHeader(1, 9, 0x0200) << false;
    QTest::newRow("placeable key only") << QByteArray::fromHex("d7cdc69a") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("text") << QByteArray("GIF? no, just words") << false;
}

void TestWmfReader::detection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isWmf);
    QCOMPARE(WmfReader::looksLikeWmf(bytes), isWmf);
}

void TestWmfReader::naturalSize_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<int>("unitsPerInch");
    QTest::addColumn<QSizeF>("twips");
    QTest::newRow("twips") << QRect(0, 0, 1440, 720) << 1440 << QSizeF(1440, 720);
    QTest::newRow("himetric") << QRect(0, 0, 2540, 5080) << 2540 << QSizeF(1440, 2880);
    QTest::newRow("offset frame") << QRect(-500, 300, 1000, 576) << 576 << QSizeF(2500, 1440);
    QTest::newRow("96 per inch") << QRect(0, 0, 96, 48) << 96 << QSizeF(1440, 720);
}

void TestWmfReader::naturalSize()
{
    QFETCH(QRect, frame);
    QFETCH(int, unitsPerInch);
    QFETCH(QSizeF, twips);
    WmfWriter w;
    w.placeable(frame, unitsPerInch).rectangle(frame);
    const Picture picture = Picture::fromData(w.finish());
    QVERIFY(picture.isVector());
    QCOMPARE(picture.sizeTwips(), twips);
}

void TestWmfReader::plainFrame_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<QRectF>("frame");
    QTest::addColumn<int>("unitsPerInch");
    QTest::newRow("window") << drawing().setWindowOrg(-10, -20).setWindowExt(2000, 1000).finish()
                            << QRectF(-10, -20, 2000, 1000) << 1440;
    QTest::newRow("window after drawing")
        << drawing().setWindowExt(500, 600).finish() << QRectF(0, 0, 500, 600) << 1440;
    QTest::newRow("drawing bounds") << drawing().finish() << QRectF(100, 200, 300, 400) << 1440;
    QTest::newRow("metric bounds, y up")
        << WmfWriter().setMapMode(MmHiMetric).rectangle(QRect(0, -1000, 2540, 1000)).finish()
        << QRectF(0, 0, 2540, 1000) << 2540;
    QTest::newRow("metric ignores window") << WmfWriter()
                                                  .setMapMode(MmLoEnglish)
                                                  .setWindowExt(5000, 5000)
                                                  .rectangle(QRect(0, -100, 100, 100))
                                                  .finish()
                                           << QRectF(0, 0, 100, 100) << 100;
}

void TestWmfReader::plainFrame()
{
    QFETCH(QByteArray, wmf);
    QFETCH(QRectF, frame);
    QFETCH(int, unitsPerInch);
    const auto doc = WmfReader::read(wmf);
    QVERIFY(doc);
    QVERIFY(!doc->placeable);
    QCOMPARE(doc->frame, frame);
    QCOMPARE(doc->unitsPerInch, unitsPerInch);
}

void TestWmfReader::keepsCheckedRecords()
{
    // A nothing-drawing plain file has no frame: it is no picture.
    QVERIFY(!WmfReader::read(WmfWriter().setMapMode(MmText).finish()));
    // Unknown records are dropped; known ones are kept in order.
    const auto doc =
        WmfReader::read(WmfWriter::page().record(0x0777, {1, 2}).lineTo(5, 5).setBkMode(1).finish());
    QVERIFY(doc);
    QCOMPARE(doc->records.size(), size_t(2));
    QCOMPARE(doc->records[0].function, quint16(LineTo));
    QCOMPARE(doc->records[1].function, quint16(SetBkMode));
}

QTEST_MAIN(TestWmfReader)
#include "tst_wmfreader.moc"
