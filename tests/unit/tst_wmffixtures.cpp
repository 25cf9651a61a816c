// The committed writer fixtures (also the fuzzer's seeds) stay equal to what
// the writer makes, and each draws: good ones visibly, broken ones harmlessly.
// Run with TERRALORE_UPDATE_FIXTURES=1 to rewrite them after changing the writer.
#include "PictureTesting.h"
#include "WmfFixtures.h"

#include "picture/Picture.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace terralore;
using namespace terralore::test;

class TestWmfFixtures : public QObject {
    Q_OBJECT
private slots:
    void fixture_data();
    void fixture();
};

void TestWmfFixtures::fixture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("broken");
    for (const WmfFixture &f : writerFixtures())
        QTest::newRow(qPrintable(f.name)) << f.name << f.bytes << f.broken;
}

void TestWmfFixtures::fixture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, broken);
    QFile file(fixturePath(QStringLiteral("wmf/") + name));
    if (qEnvironmentVariableIsSet("TERRALORE_UPDATE_FIXTURES")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QVERIFY2(file.readAll() == bytes, "the fixture differs from the writer's output");

    const QImage image = renderPicture(bytes, QSize(120, 120));
    const int white = countNear(image, image.rect(), Qt::white, 8);
    if (!broken)
        QVERIFY2(white < image.width() * image.height() * 95 / 100, "a good fixture draws next to nothing");
}

QTEST_MAIN(TestWmfFixtures)
#include "tst_wmffixtures.moc"
