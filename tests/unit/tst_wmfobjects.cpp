// The object table: lowest free index, deletion, placeholders, bad indexes.
#include "PictureTesting.h"
#include "WmfWriter.h"

#include "picture/WmfObjects.h"
#include "picture/WmfTypes.h"

#include <QTest>

using namespace terralore;
using namespace terralore::test;
using namespace terralore::wmf;

class TestWmfObjects : public QObject {
    Q_OBJECT
private slots:
    void lowestFreeIndex_data();
    void lowestFreeIndex();
    void tableCapacity();
    void selection_data();
    void selection();
};

void TestWmfObjects::lowestFreeIndex_data()
{
    QTest::addColumn<QList<int>>("deletions");
    QTest::addColumn<int>("expected");
    QTest::newRow("none freed") << QList<int>{} << 3;
    QTest::newRow("middle freed") << QList<int>{1} << 1;
    QTest::newRow("two freed, lowest wins") << QList<int>{2, 0} << 0;
    QTest::newRow("freed twice") << QList<int>{1, 1} << 1;
    QTest::newRow("unused index") << QList<int>{7} << 3;
}

void TestWmfObjects::lowestFreeIndex()
{
    QFETCH(QList<int>, deletions);
    QFETCH(int, expected);
    WmfObjectTable table(16);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(table.add(WmfPen()), i);
    for (int index : deletions)
        table.remove(index);
    QCOMPARE(table.add(WmfBrush()), expected);
    QVERIFY(std::holds_alternative<WmfBrush>(*table.find(expected)));
}

void TestWmfObjects::tableCapacity()
{
    WmfObjectTable table(2);
    QCOMPARE(table.add(WmfPen()), 0);
    QCOMPARE(table.add(WmfPen()), 1);
    QCOMPARE(table.add(WmfPen()), -1);
    QVERIFY(!table.find(2));
    QVERIFY(!table.find(-1));
    QVERIFY(!table.find(65535));
}

void TestWmfObjects::selection_data()
{
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<QColor>("expected");
    const auto start = [] {
        WmfWriter w = WmfWriter::page();
        return w.createPen(PsNull, 0, Qt::black).selectObject(0);
    };
    const QRect page(0, 0, 1000, 1000);
    // Brush 1 (red) and 2 (green); 1 is deleted, blue takes index 1.
    QTest::newRow("reused index") << start()
                                         .createBrush(BsSolid, Qt::red)
                                         .createBrush(BsSolid, Qt::green)
                                         .deleteObject(1)
                                         .createBrush(BsSolid, Qt::blue)
                                         .selectObject(1)
                                         .rectangle(page)
                                         .finish()
                                  << QColor(Qt::blue);
    QTest::newRow("deleted index ignored") << start()
                                                  .createBrush(BsSolid, Qt::red)
                                                  .createBrush(BsSolid, Qt::green)
                                                  .selectObject(1)
                                                  .deleteObject(2)
                                                  .selectObject(2)
                                                  .rectangle(page)
                                                  .finish()
                                           << QColor(Qt::red);
    QTest::newRow("selected survives deletion")
        << start().createBrush(BsSolid, Qt::red).selectObject(1).deleteObject(1).rectangle(page).finish()
        << QColor(Qt::red);
    QTest::newRow("palette takes a slot")
        << start().createPalette(2).createBrush(BsSolid, Qt::red).selectObject(2).rectangle(page).finish()
        << QColor(Qt::red);
    QTest::newRow("damaged pen keeps its slot") << start()
                                                       .record(CreatePenIndirect, {0})
                                                       .createBrush(BsSolid, Qt::red)
                                                       .selectObject(2)
                                                       .rectangle(page)
                                                       .finish()
                                                << QColor(Qt::red);
    QTest::newRow("huge index") << start()
                                       .createBrush(BsSolid, Qt::red)
                                       .selectObject(1)
                                       .selectObject(65535)
                                       .deleteObject(65535)
                                       .rectangle(page)
                                       .finish()
                                << QColor(Qt::red);
}

void TestWmfObjects::selection()
{
    QFETCH(QByteArray, wmf);
    QFETCH(QColor, expected);
    const QImage image = renderPicture(wmf, QSize(100, 100));
    QVERIFY2(near(image.pixelColor(50, 50), expected), qPrintable(image.pixelColor(50, 50).name()));
}

QTEST_MAIN(TestWmfObjects)
#include "tst_wmfobjects.moc"
