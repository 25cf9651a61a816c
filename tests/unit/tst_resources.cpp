// Every data file the program names is shipped, decodes, and fits where it is shown.
#include "ResourcePath.h"
#include "TestData.h"
#include "picture/Picture.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QtEndian>

using namespace terralore;

namespace {

QString shipped(const QString &relative)
{
    return resolveResource(test::resourcesFolder(), relative);
}

QStringList pageNames()
{
    QStringList names = {"key sciencea", "key scienceb", "key beginninga", "key beginningb",
                         "sciencea",     "beginninga",   "beginningb",     "acknowledgments"};
    for (int n = 1; n <= 5; ++n)
        names << QStringLiteral("guide%1").arg(n);
    return names;
}

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void pages_data();
    void pages();
    void sounds_data();
    void sounds();
    void logoFrames();
    void quizFiles_data();
    void quizFiles();
    void emptyIndex();
    void pointerLinesEndInFourLayers();
};

void ResourcesTest::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("maximum");
    QTest::newRow("title and menu") << "images\\stairholesm.jpg" << QSize(320, 240);
    QTest::newRow("science hub") << "images\\cave.jpg" << QSize(784, 528);
    QTest::newRow("science quiz") << "images\\cavesm.jpg" << QSize(320, 104);
    QTest::newRow("beginning hub") << "images\\science.jpg" << QSize(792, 504);
    QTest::newRow("beginning quiz") << "images\\sciencesm.jpg" << QSize(320, 104);
    QTest::newRow("results") << "images\\talyllynsm.jpg" << QSize(320, 240);
    QTest::newRow("bones") << "Images\\bones.jpg" << QSize(2000, 2000);
    QTest::newRow("ammonite") << "Images\\ammonite.jpg" << QSize(2000, 2000);
    QTest::newRow("trilobite") << "Images\\trilobite.jpg" << QSize(2000, 2000);
    QTest::newRow("skull") << "Images\\skull.jpg" << QSize(2000, 2000);
    QTest::newRow("inside the Earth") << "Images\\insideearth.jpg" << QSize(800, 600);
    QTest::newRow("still logo") << "logo\\quillmere2.bmp" << QSize(120, 89);
}

void ResourcesTest::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, maximum);
    const QString file = shipped(path);
    QVERIFY2(QFileInfo::exists(file), qPrintable(path));
    const Picture picture = Picture::load(file);
    QVERIFY2(!picture.isNull(), qPrintable(path));
    QVERIFY(!picture.isVector());
    const QSize pixels = picture.image().size();
    QVERIFY2(pixels.width() <= maximum.width() && pixels.height() <= maximum.height(), qPrintable(path));
    QCOMPARE(picture.sizeTwips(), QSizeF(pixels.width() * 15.0, pixels.height() * 15.0));
}

void ResourcesTest::pages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSizeF>("maximum");
    for (const QString &name : pageNames()) {
        QTest::newRow(qPrintable("shown " + name)) << "wmf\\" + name + ".wmf" << QSizeF(11760, 7800);
        QTest::newRow(qPrintable("printed " + name)) << "wmf2\\" + name + ".wmf" << QSizeF(9600, 13000);
    }
}

void ResourcesTest::pages()
{
    QFETCH(QString, path);
    QFETCH(QSizeF, maximum);
    const QByteArray bytes = test::readFile(shipped(path));
    QVERIFY2(!bytes.isEmpty(), qPrintable(path));
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData()), 0x9AC6CDD7u);
    const Picture picture = Picture::load(shipped(path));
    QVERIFY2(picture.isVector(), qPrintable(path));
    const QSizeF size = picture.sizeTwips();
    QVERIFY2(size.width() > 1000 && size.width() <= maximum.width(), qPrintable(path));
    QVERIFY2(size.height() > 1000 && size.height() <= maximum.height(), qPrintable(path));
    // The page really draws: something dark or light lands on a mid-grey sheet.
    QImage sheet(int(size.width() / 15), int(size.height() / 15), QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter painter(&sheet);
    picture.draw(painter, QRectF(sheet.rect()));
    painter.end();
    int changed = 0;
    for (int y = 0; y < sheet.height(); y += 4)
        for (int x = 0; x < sheet.width(); x += 4)
            changed += sheet.pixel(x, y) != qRgb(128, 128, 128);
    QVERIFY2(changed > 100, qPrintable(path));
}

void ResourcesTest::sounds_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"click", "typekey", "thud3", "eagle6", "fanf2", "fanf3", "crowd", "cheer2", "klaxon",
                             "flute", "gong", "clap2", "drumroll", "laser2", "whizz", "clap3", "clown"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void ResourcesTest::sounds()
{
    QFETCH(QString, name);
    const QByteArray wav = test::readFile(shipped("wav\\" + name + ".wav"));
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1)); // PCM
    const int data = wav.indexOf("data");
    QVERIFY(data > 0);
    const quint32 dataSize = qFromLittleEndian<quint32>(wav.constData() + data + 4);
    QVERIFY(dataSize > 0 && data + 8 + qsizetype(dataSize) <= wav.size());
    const quint32 rate = qFromLittleEndian<quint32>(wav.constData() + 24);
    const quint16 bytesPerFrame = qFromLittleEndian<quint16>(wav.constData() + 32);
    QVERIFY(double(dataSize) / bytesPerFrame / rate <= 4.0);
}

void ResourcesTest::logoFrames()
{
    for (int frame = 0; frame < 20; ++frame) {
        const QString path = (frame < 10 ? QStringLiteral("logo\\quillmere000") : QStringLiteral("logo\\quillmere00")) +
                             QString::number(frame) + QStringLiteral(".gif");
        const Picture picture = Picture::load(shipped(path));
        QVERIFY2(!picture.isNull(), qPrintable(path));
        QCOMPARE(picture.sizeTwips(), QSizeF(1800, 1800));
    }
}

void ResourcesTest::quizFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("science") << "multiple\\The Science of Rocks.txt"
                             << "The Science of Rocks";
    QTest::newRow("beginning") << "multiple\\The Beginning.txt"
                               << "The Beginning: the Earth";
}

void ResourcesTest::quizFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    const QByteArray bytes = test::readFile(shipped(path));
    QVERIFY(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    QCOMPARE(lines.size(), 72);
    for (QByteArray &line : lines) {
        QVERIFY(line.endsWith('\r'));
        line.chop(1);
        QVERIFY2(!line.contains(','), line.constData());
    }
    QCOMPARE(QString::fromLatin1(lines[0]), title);
    QCOMPARE(lines[1], QByteArray(" "));
    for (int q = 0; q < 10; ++q) {
        const int at = 2 + 7 * q;
        QVERIFY(!lines[at].trimmed().isEmpty() && lines[at].size() <= 60);
        for (int option = 1; option <= 4; ++option)
            QVERIFY(!lines[at + option].trimmed().isEmpty() && lines[at + option].size() <= 30);
        QVERIFY2(lines[at + 5].size() == 1 && lines[at + 5][0] >= '1' && lines[at + 5][0] <= '4',
                 lines[at + 5].constData());
        QCOMPARE(lines[at + 6], QByteArray(" "));
    }
}

void ResourcesTest::emptyIndex()
{
    QCOMPARE(test::readFile(shipped("multiple\\track.txt")), QByteArray(" 0 \r\n"));
}

void ResourcesTest::pointerLinesEndInFourLayers()
{
    // The diagram lies at top -480 twips: picture y = screen y + 32 pixels.
    const QImage earth = Picture::load(shipped("Images\\insideearth.jpg")).image();
    QVERIFY(!earth.isNull());
    const QPoint ends[] = {{408, 304}, {384, 336}, {456, 408}, {330, 176}}; // inner, outer, mantle, crust
    QList<QColor> layers;
    for (const QPoint &end : ends) {
        const QColor at = earth.pixelColor(end);
        // A small neighbourhood is the same layer: the end is not on a boundary.
        for (const QPoint &d : {QPoint(4, 0), QPoint(-4, 0), QPoint(0, 4), QPoint(0, -4)}) {
            const QColor near = earth.pixelColor(end + d);
            QVERIFY(qAbs(near.red() - at.red()) + qAbs(near.green() - at.green()) + qAbs(near.blue() - at.blue()) < 40);
        }
        for (const QColor &other : layers)
            QVERIFY(qAbs(other.red() - at.red()) + qAbs(other.green() - at.green()) + qAbs(other.blue() - at.blue()) >
                    40);
        layers << at;
    }
}

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
