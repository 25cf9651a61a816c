#include "PagerTesting.h"

#include "beginning.h"
#include "science.h"

#include <memory>

using namespace terralore;
using namespace terralore::test;

// The hubs' "Key Facts" and "Teacher's Notes" open the notes pager on the
// topic's page set, over the hub.
class HubPagesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ScreenFixture> fx;

private slots:
    void initTestCase() { fx = std::make_unique<ScreenFixture>(); }
    void init() { fx->reset(); }

    void hubOpensItsPageSet_data();
    void hubOpensItsPageSet();
};

void HubPagesTest::hubOpensItsPageSet_data()
{
    QTest::addColumn<int>("menuEntry");
    QTest::addColumn<int>("hubEntry");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("key facts of The Science of Rocks")
        << 10 << 4 << "key science" << QStringList{"key sciencea.wmf", "key scienceb.wmf"};
    QTest::newRow("notes of The Science of Rocks") << 10 << 5 << "science" << QStringList{"sciencea.wmf"};
    QTest::newRow("key facts of The Beginning")
        << 15 << 4 << "key beginning" << QStringList{"key beginninga.wmf", "key beginningb.wmf"};
    QTest::newRow("notes of The Beginning")
        << 15 << 5 << "beginning" << QStringList{"beginninga.wmf", "beginningb.wmf"};
}

void HubPagesTest::hubOpensItsPageSet()
{
    QFETCH(int, menuEntry);
    QFETCH(int, hubEntry);
    QFETCH(QString, set);
    QFETCH(QStringList, pages);
    Module1::PageCount = 7; // left over from somewhere else: the hub sets its own
    intro0().Show();
    click(intro0().Label2[menuEntry]);
    auto *hub = qobject_cast<Hub *>(topForm());
    QVERIFY(hub);
    QCOMPARE(hub, menuEntry == 10 ? static_cast<Hub *>(scienceIfLoaded()) : beginningIfLoaded());
    click(hub->Label3[hubEntry]);
    QCOMPARE(topForm(), &teacher());
    QCOMPARE(Module1::PageSet, set);
    QCOMPARE(Module1::PageCount, int(pages.size()));
    const bool paged = pages.size() > 1;
    QCOMPARE(teacher().Label1->Visible(), paged);
    QCOMPARE(teacher().Label3[Next]->Visible(), paged);
    verifyEntries(teacher(), QStringLiteral("Page 1 of %1").arg(pages.size()), false, true);
    verifyPage(teacher(), "wmf\\" + pages[0], "wmf2\\" + pages[0]);
    if (paged) {
        click(teacher().Label3[Next]);
        verifyEntries(teacher(), QStringLiteral("Page 2 of 2"), true, false);
        verifyPage(teacher(), "wmf\\" + pages[1], "wmf2\\" + pages[1]);
    }
    // The click sound follows the hub's entry; the pager itself is silent.
    QCOMPARE(playedPaths(), (QStringList{"wav\\click.wav", "wav\\click.wav"}));
    click(teacher().Label3[Exit]);
    settle();
    QVERIFY(!teacherIfLoaded());
    QCOMPARE(topForm(), static_cast<Form *>(hub));
}

QTEST_MAIN(HubPagesTest)
#include "tst_hubpages.moc"
