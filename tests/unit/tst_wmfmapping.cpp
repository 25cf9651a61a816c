// Mapping modes, window and viewport, the frame filling the target, SaveDC/RestoreDC.
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

// Pages are 1000 units (1000 twips) drawn at 200 px.
constexpr int kSize = 200;

WmfWriter inked()
{
    return WmfWriter::filledPage(Qt::black);
}

bool closeTo(const QRect &a, const QRect &b, int tolerance = 1)
{
    return qAbs(a.left() - b.left()) <= tolerance && qAbs(a.top() - b.top()) <= tolerance &&
           qAbs(a.right() - b.right()) <= tolerance && qAbs(a.bottom() - b.bottom()) <= tolerance;
}

QString describe(const QRect &r)
{
    return QStringLiteral("(%1,%2)-(%3,%4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

// Pixels covered by a device rectangle given in twips of the page.
QRect pixels(double left, double top, double right, double bottom)
{
    const double k = double(kSize) / 1000;
    return QRect(QPoint(qRound(left * k), qRound(top * k)),
                 QPoint(qRound(right * k) - 1, qRound(bottom * k) - 1));
}

} // namespace

class TestWmfMapping : public QObject {
    Q_OBJECT
private slots:
    void modes_data();
    void modes();
    void frameFillsTarget_data();
    void frameFillsTarget();
    void saveRestore_data();
    void saveRestore();
};

void TestWmfMapping::modes_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<QRect>("expected");

    // The page has 1440 units per inch: a metric unit u is 1440 / (units per inch) page units.
    QTest::newRow("text") << inked().setMapMode(MmText).rectangle(QRect(100, 100, 200, 200)).finish()
                          << pixels(100, 100, 300, 300);
    QTest::newRow("twips, y up") << inked().setMapMode(MmTwips).rectangle(QRect(100, -300, 200, 200)).finish()
                                 << pixels(100, 100, 300, 300);
    QTest::newRow("lometric") << inked().setMapMode(MmLoMetric).rectangle(QRect(0, -50, 50, 50)).finish()
                              << pixels(0, 0, 50 * 1440 / 254.0, 50 * 1440 / 254.0);
    QTest::newRow("himetric") << inked().setMapMode(MmHiMetric).rectangle(QRect(0, -500, 500, 500)).finish()
                              << pixels(0, 0, 500 * 1440 / 2540.0, 500 * 1440 / 2540.0);
    QTest::newRow("loenglish") << inked().setMapMode(MmLoEnglish).rectangle(QRect(0, -25, 25, 25)).finish()
                               << pixels(0, 0, 360, 360);
    QTest::newRow("hienglish") << inked().setMapMode(MmHiEnglish).rectangle(QRect(0, -250, 250, 250)).finish()
                               << pixels(0, 0, 360, 360);

    // A 2:1 window into a square viewport halves x only; isotropic halves both.
    QTest::newRow("anisotropic 2:1") << inked()
                                            .setMapMode(MmAnisotropic)
                                            .setWindowOrg(0, 0)
                                            .setWindowExt(2000, 1000)
                                            .setViewportExt(1000, 1000)
                                            .rectangle(QRect(0, 0, 1000, 500))
                                            .finish()
                                     << pixels(0, 0, 500, 500);
    QTest::newRow("isotropic 2:1") << inked()
                                          .setMapMode(MmIsotropic)
                                          .setWindowOrg(0, 0)
                                          .setWindowExt(2000, 1000)
                                          .setViewportExt(1000, 1000)
                                          .rectangle(QRect(0, 0, 1000, 1000))
                                          .finish()
                                   << pixels(0, 0, 500, 500);
    QTest::newRow("viewport origin") << inked()
                                            .setMapMode(MmAnisotropic)
                                            .setViewportOrg(500, 500)
                                            .rectangle(QRect(0, 0, 200, 200))
                                            .finish()
                                     << pixels(500, 500, 700, 700);
    QTest::newRow("window flipped")
        << inked().setWindowOrg(0, 1000).setWindowExt(1000, -1000).rectangle(QRect(0, 800, 200, 200)).finish()
        << pixels(0, 0, 200, 200);
    QTest::newRow("offset window") << inked()
                                          .setWindowOrg(0, 0)
                                          .record(OffsetWindowOrg, {-100, -100})
                                          .rectangle(QRect(0, 0, 100, 100))
                                          .finish()
                                   << pixels(100, 100, 200, 200);
    QTest::newRow("offset viewport")
        << inked().record(OffsetViewportOrg, {250, 250}).rectangle(QRect(0, 0, 250, 250)).finish()
        << pixels(250, 250, 500, 500);
    QTest::newRow("scale window")
        << inked().record(ScaleWindowExt, {1, 2, 1, 2}).rectangle(QRect(0, 0, 1000, 1000)).finish()
        << pixels(0, 0, 500, 500);
    QTest::newRow("scale viewport")
        << inked().record(ScaleViewportExt, {4, 1, 2, 1}).rectangle(QRect(0, 0, 1000, 1000)).finish()
        << pixels(0, 0, 500, 250);
}

void TestWmfMapping::modes()
{
    QFETCH(QByteArray, wmf);
    QFETCH(QRect, expected);
    const QRect ink = darkBounds(renderPicture(wmf, QSize(kSize, kSize)));
    QVERIFY2(closeTo(ink, expected), qPrintable(describe(ink) + " expected " + describe(expected)));
}

void TestWmfMapping::frameFillsTarget_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRectF>("target");
    QTest::addColumn<double>("painterScale");
    QTest::newRow("origin frame") << QRect(0, 0, 1000, 500) << QRectF(0, 0, 200, 100) << 1.0;
    QTest::newRow("offset frame") << QRect(-300, 700, 600, 600) << QRectF(40, 20, 100, 100) << 1.0;
    QTest::newRow("stretched") << QRect(0, 0, 1000, 1000) << QRectF(10, 10, 180, 60) << 1.0;
    QTest::newRow("scaled painter") << QRect(0, 0, 1000, 1000) << QRectF(10, 10, 40, 40) << 2.5;
}

void TestWmfMapping::frameFillsTarget()
{
    QFETCH(QRect, frame);
    QFETCH(QRectF, target);
    QFETCH(double, painterScale);
    WmfWriter w;
    w.placeable(frame, 1440);
    w.createPen(PsNull, 0, Qt::black).selectObject(0).createBrush(BsSolid, Qt::black).selectObject(1);
    w.setWindowOrg(frame.left(), frame.top()).setWindowExt(frame.width(), frame.height()).rectangle(frame);
    const Picture picture = Picture::fromData(w.finish());
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(painterScale, painterScale);
    picture.draw(painter, target);
    painter.end();
    const QRectF device(target.topLeft() * painterScale, target.size() * painterScale);
    const QRect expected(device.topLeft().toPoint(), QSize(qRound(device.width()), qRound(device.height())));
    QVERIFY2(closeTo(darkBounds(image), expected), qPrintable(describe(darkBounds(image))));
}

void TestWmfMapping::saveRestore_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<QColor>("atOrigin");
    QTest::addColumn<QColor>("shifted");

    // Black brush and no shift are saved; then a red brush and a shifted window are set.
    const auto changed = [](int saves) {
        WmfWriter w = inked();
        for (int i = 0; i < saves; ++i)
            w.record(SaveDC, {});
        w.createBrush(BsSolid, Qt::red).selectObject(2).setWindowOrg(-500, 0);
        return w;
    };
    const QRect box(0, 0, 200, 200);
    QTest::newRow("relative -1") << changed(1).record(RestoreDC, {-1}).rectangle(box).finish()
                                 << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("absolute 1") << changed(1).record(RestoreDC, {1}).rectangle(box).finish()
                                << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("two saves, -2") << changed(2).record(RestoreDC, {-2}).rectangle(box).finish()
                                   << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("no such save") << changed(1).record(RestoreDC, {-5}).rectangle(box).finish()
                                  << QColor(Qt::white) << QColor(Qt::red);
    QTest::newRow("nothing saved") << changed(0).record(RestoreDC, {-1}).rectangle(box).finish()
                                   << QColor(Qt::white) << QColor(Qt::red);
}

void TestWmfMapping::saveRestore()
{
    QFETCH(QByteArray, wmf);
    QFETCH(QColor, atOrigin);
    QFETCH(QColor, shifted);
    const QImage image = renderPicture(wmf, QSize(kSize, kSize));
    QVERIFY2(near(image.pixelColor(20, 20), atOrigin), qPrintable(image.pixelColor(20, 20).name()));
    QVERIFY2(near(image.pixelColor(120, 20), shifted), qPrintable(image.pixelColor(120, 20).name()));
}

QTEST_MAIN(TestWmfMapping)
#include "tst_wmfmapping.moc"
