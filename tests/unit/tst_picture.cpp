// The shared picture type: raster formats by content, natural sizes, cheap copies.
#include "PictureTesting.h"
#include "WmfWriter.h"

#include "picture/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace terralore;
using namespace terralore::test;

namespace {

QImage sample()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray vector()
{
    return WmfWriter::page(1440).rectangle(QRect(0, 0, 720, 720)).finish();
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT
private slots:
    void rasterFormats_data();
    void rasterFormats();
    void chosenByContent_data();
    void chosenByContent();
    void refusesWhatItCannotRead_data();
    void refusesWhatItCannotRead();
    void copiesShareData();
    void drawsRasterStretched();
};

void TestPicture::rasterFormats_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const char *format : {"jpeg", "bmp", "png"})
        QTest::newRow(format) << encoded(sample(), format);
    // Qt writes no GIF: this one is a committed 40 x 30 file of the same colour.
    QFile gif(fixturePath(QStringLiteral("pictures/sample.gif")));
    QVERIFY(gif.open(QIODevice::ReadOnly));
    QTest::newRow("gif") << gif.readAll();
}

void TestPicture::rasterFormats()
{
    QFETCH(QByteArray, bytes);
    const Picture picture = Picture::fromData(bytes);
    QVERIFY(!picture.isNull());
    QVERIFY(!picture.isVector());
    QCOMPARE(picture.image().size(), QSize(40, 30));
    // 96 dpi: 15 twips a pixel.
    QCOMPARE(picture.sizeTwips(), QSizeF(600, 450));
    QVERIFY(near(picture.image().pixelColor(20, 15), QColor(200, 30, 30), 40));
}

void TestPicture::chosenByContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isVector");
    QTest::newRow("metafile named .jpg") << QStringLiteral("photo.jpg") << vector() << true;
    QTest::newRow("jpeg named .wmf") << QStringLiteral("drawing.wmf") << encoded(sample(), "jpeg") << false;
    QTest::newRow("bitmap without extension")
        << QStringLiteral("picture") << encoded(sample(), "bmp") << false;
}

void TestPicture::chosenByContent()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isVector);
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const Picture picture = Picture::load(file.fileName());
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.isVector(), isVector);
}

void TestPicture::refusesWhatItCannotRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("words") << QByteArray("not a picture at all");
    QTest::newRow("a format we do not read") << encoded(sample(), "tga");
    QTest::newRow("jpeg cut after its header") << encoded(sample(), "jpeg").left(20);
    // A bitmap header asking for 100000 x 100000 pixels.
    QByteArray bmp = encoded(sample(), "bmp");
    bmp.replace(18, 8, QByteArray::fromHex("a0860100a0860100"));
    QTest::newRow("bitmap of ten billion pixels") << bmp;
}

void TestPicture::refusesWhatItCannotRead()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(Picture::fromData(bytes).isNull());
}

void TestPicture::copiesShareData()
{
    const Picture raster = Picture::fromData(encoded(sample(), "png"));
    const Picture rasterCopy = raster;
    QCOMPARE(rasterCopy.image().constBits(), raster.image().constBits());
    const Picture metafile = Picture::fromData(vector());
    const Picture metafileCopy = metafile;
    QVERIFY(metafile.wmf());
    QCOMPARE(metafileCopy.wmf(), metafile.wmf());
    QCOMPARE(metafile.sizeTwips(), QSizeF(1440, 1440));
}

void TestPicture::drawsRasterStretched()
{
    const Picture picture = Picture::fromImage(sample());
    QImage canvas(100, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.draw(painter, QRectF(10, 10, 80, 60));
    painter.end();
    QVERIFY(near(canvas.pixelColor(12, 12), QColor(200, 30, 30)));
    QVERIFY(near(canvas.pixelColor(88, 68), QColor(200, 30, 30)));
    QVERIFY(near(canvas.pixelColor(50, 80), Qt::white));
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
