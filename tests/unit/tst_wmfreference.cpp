// Metafiles from an independent writer: SVG drawings converted to WMF by
// LibreOffice Draw, compared with the SVGs as librsvg renders them (the
// reference PNGs are committed beside them, made with
// `rsvg-convert -w 400 -h 300 NAME.svg -o NAME-reference.png`).
#include "PictureTesting.h"

#include "picture/Picture.h"

#include <QFile>
#include <QPainter>
#include <QTest>

using namespace terralore;
using namespace terralore::test;

namespace {

const QSize kPage(400, 300);

// Mean of each channel over a (2r+1)² box: forgives anti-aliasing and
// sub-pixel placement while keeping shapes, colours and text weight.
QImage blurred(const QImage &source, int r = 2)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QImage out(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int sum[3] = {0, 0, 0};
            int n = 0;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    const QPoint p(qBound(0, x + dx, image.width() - 1),
                                   qBound(0, y + dy, image.height() - 1));
                    const QRgb c = image.pixel(p);
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                    ++n;
                }
            }
            out.setPixel(x, y, qRgb(sum[0] / n, sum[1] / n, sum[2] / n));
        }
    }
    return out;
}

double meanDifference(const QImage &a, const QImage &b)
{
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return double(total) / (3.0 * a.width() * a.height());
}

// LibreOffice frames the drawing with an equal margin inside the SVG page:
// the frame's natural size at 96 dpi, centred on the page.
QImage renderOnPage(const Picture &picture)
{
    const QSizeF frame = picture.sizeTwips() / 15.0;
    const QRectF target(QPointF((kPage.width() - frame.width()) / 2, (kPage.height() - frame.height()) / 2),
                        frame);
    QImage image(kPage, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, target);
    return image;
}

} // namespace

class TestWmfReference : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void matchesReference_data();
    void matchesReference();
};

void TestWmfReference::initTestCase()
{
    registerTestFonts();
}

void TestWmfReference::matchesReference_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<QRect>>("darkBands"); // page areas whose dark ink must line up
    QTest::newRow("shapes") << QStringLiteral("shapes") << QList<QRect>{QRect(10, 10, 170, 110)};
    QTest::newRow("text") << QStringLiteral("text")
                          << QList<QRect>{QRect(0, 15, 400, 50), QRect(0, 70, 400, 55),
                                          QRect(0, 140, 210, 40), QRect(230, 225, 140, 30)};
    QTest::newRow("image") << QStringLiteral("image") << QList<QRect>{QRect(0, 245, 400, 50)};
}

void TestWmfReference::matchesReference()
{
    QFETCH(QString, name);
    QFETCH(QList<QRect>, darkBands);
    const Picture picture = Picture::load(fixturePath(QStringLiteral("wmf/lo/%1.wmf").arg(name)));
    QVERIFY(picture.isVector());
    const QImage reference(fixturePath(QStringLiteral("wmf/lo/%1-reference.png").arg(name)));
    QCOMPARE(reference.size(), kPage);
    const QImage ours = renderOnPage(picture);

    const double difference = meanDifference(blurred(ours), blurred(reference));
    qInfo("%s: mean difference %.2f of 255 per channel", qPrintable(name), difference);
    QVERIFY2(difference < 2.0, qPrintable(QString::number(difference)));

    for (const QRect &band : darkBands) {
        const QRect mine = darkBounds(ours.copy(band), 100);
        const QRect theirs = darkBounds(reference.copy(band), 100);
        QVERIFY(!theirs.isEmpty());
        const QString where = QStringLiteral("band at y %1: ours %2..%3 x %4..%5, reference %6..%7 x %8..%9")
                                  .arg(band.top())
                                  .arg(mine.left())
                                  .arg(mine.right())
                                  .arg(mine.top())
                                  .arg(mine.bottom())
                                  .arg(theirs.left())
                                  .arg(theirs.right())
                                  .arg(theirs.top())
                                  .arg(theirs.bottom());
        QVERIFY2(qAbs(mine.left() - theirs.left()) <= 4 && qAbs(mine.right() - theirs.right()) <= 4 &&
                     qAbs(mine.top() - theirs.top()) <= 4 && qAbs(mine.bottom() - theirs.bottom()) <= 4,
                 qPrintable(where));
    }
}

QTEST_MAIN(TestWmfReference)
#include "tst_wmfreference.moc"
