// Clipping: rectangles, regions, offsets, restore, and the region records.
#include "PictureTesting.h"
#include "WmfWriter.h"

#include "picture/Picture.h"
#include "picture/WmfTypes.h"

#include <QPainter>
#include <QTest>

using namespace terralore;
using namespace terralore::test;
using namespace terralore::wmf;

namespace {

constexpr int kSize = 200;
const QColor kInk(30, 90, 200);
const QRect kPage(0, 0, 1000, 1000);

// Objects 0 and 1: no pen, ink brush; object 2: a region of two bands.
WmfWriter setup()
{
    WmfWriter w = WmfWriter::filledPage(kInk);
    w.createRegion({QRect(0, 0, 1000, 200), QRect(0, 600, 1000, 200)});
    return w;
}

} // namespace

class TestWmfClip : public QObject {
    Q_OBJECT
private slots:
    void clipping_data();
    void clipping();
    void callerClipIsKept();
};

void TestWmfClip::clipping_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<QList<QPoint>>("inked");
    QTest::addColumn<QList<QPoint>>("untouched");

    QTest::newRow("intersect")
        << setup().intersectClipRect(QRect(200, 200, 600, 600)).rectangle(kPage).finish()
        << QList<QPoint>{{100, 100}, {45, 45}} << QList<QPoint>{{10, 10}, {170, 100}};
    QTest::newRow("intersect twice") << setup()
                                            .intersectClipRect(QRect(200, 200, 600, 600))
                                            .intersectClipRect(QRect(0, 0, 500, 500))
                                            .rectangle(kPage)
                                            .finish()
                                     << QList<QPoint>{{60, 60}} << QList<QPoint>{{120, 120}, {30, 30}};
    QTest::newRow("exclude") << setup().excludeClipRect(QRect(200, 200, 600, 600)).rectangle(kPage).finish()
                             << QList<QPoint>{{10, 10}, {190, 190}} << QList<QPoint>{{100, 100}};
    QTest::newRow("select region") << setup().record(SelectClipRegion, {2}).rectangle(kPage).finish()
                                   << QList<QPoint>{{100, 20}, {100, 140}}
                                   << QList<QPoint>{{100, 80}, {100, 180}};
    QTest::newRow("select object region") << setup().selectObject(2).rectangle(kPage).finish()
                                          << QList<QPoint>{{100, 20}} << QList<QPoint>{{100, 80}};
    QTest::newRow("offset region")
        << setup().record(SelectClipRegion, {2}).record(OffsetClipRgn, {200, 0}).rectangle(kPage).finish()
        << QList<QPoint>{{100, 60}, {100, 180}} << QList<QPoint>{{100, 20}, {100, 100}};
    QTest::newRow("restore clears clip") << setup()
                                                .record(SaveDC, {})
                                                .intersectClipRect(QRect(0, 0, 100, 100))
                                                .record(RestoreDC, {-1})
                                                .rectangle(kPage)
                                                .finish()
                                         << QList<QPoint>{{100, 100}, {10, 10}} << QList<QPoint>{};
    QTest::newRow("select non-region resets") << setup()
                                                     .intersectClipRect(QRect(0, 0, 100, 100))
                                                     .record(SelectClipRegion, {1})
                                                     .rectangle(kPage)
                                                     .finish()
                                              << QList<QPoint>{{100, 100}} << QList<QPoint>{};

    // FillRegion uses its own brush, not the selected (null) one.
    WmfWriter fill = setup();
    fill.createBrush(BsNull, Qt::red).selectObject(3).createBrush(BsSolid, kInk).record(FillRegion, {2, 4});
    QTest::newRow("fill region") << fill.finish() << QList<QPoint>{{100, 20}} << QList<QPoint>{{100, 80}};
    QTest::newRow("paint region") << setup().record(PaintRegion, {2}).finish() << QList<QPoint>{{100, 20}}
                                  << QList<QPoint>{{100, 80}};
    WmfWriter frame = setup();
    frame.createBrush(BsSolid, kInk).record(FrameRegion, {2, 3, 50, 50});
    QTest::newRow("frame region") << frame.finish() << QList<QPoint>{{100, 2}, {2, 20}}
                                  << QList<QPoint>{{100, 20}, {100, 80}};
}

void TestWmfClip::clipping()
{
    QFETCH(QByteArray, wmf);
    QFETCH(QList<QPoint>, inked);
    QFETCH(QList<QPoint>, untouched);
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    for (const QPoint &p : inked)
        QVERIFY2(near(image.pixelColor(p), kInk), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint &p : untouched)
        QVERIFY2(near(image.pixelColor(p), Qt::white),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
}

void TestWmfClip::callerClipIsKept()
{
    // The picture asks for a clip of its own; the painter's clip must still hold.
    const Picture picture =
        Picture::fromData(setup().intersectClipRect(QRect(0, 0, 800, 800)).rectangle(kPage).finish());
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(QRect(0, 0, 100, 200));
    picture.draw(painter, QRectF(0, 0, kSize, kSize));
    QVERIFY(painter.hasClipping());
    QCOMPARE(painter.clipBoundingRect(), QRectF(0, 0, 100, 200));
    painter.end();
    QVERIFY(near(image.pixelColor(50, 50), kInk));
    QVERIFY(near(image.pixelColor(150, 50), Qt::white));
    QVERIFY(near(image.pixelColor(50, 180), Qt::white));
}

QTEST_MAIN(TestWmfClip)
#include "tst_wmfclip.moc"
