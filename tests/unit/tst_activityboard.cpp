// The board of the drag-and-drop activities without any screen: where a
// dropped caption snaps, which box it is then in, when "Check Score" is
// offered and what it scores. Every expected corner and score below is
// worked out by hand from the layout tables in this file. (The same board
// under real mouse and keyboard input: screens/tst_activitydrag, tst_keyboard.)
#include "ActivityBoard.h"

#include <QTest>

using namespace terralore;

namespace {

// The geologists screen: 2955 by 1155 twips. A box at (L, T) takes a corner
// strictly inside (L - 1477.5, L + 2955) by (T - 577.5, T + 1155).
const ActivityItem kGeologists[] = {
    {"minerals", 4440, 3600, 1320, 6480, "box under Mineralogists"},   // takes (2962.5, 7395) by (3022.5, 4755)
    {"rocks", 720, 3600, 7560, 6480, "box under Petrologists"},        // takes (-757.5, 3675) by (3022.5, 4755)
    {"fossils", 8160, 3600, 4440, 6480, "box under Palaeontologists"}, // takes (6682.5, 11115) by (3022.5, 4755)
};
// Their home boxes take: 0 (-157.5, 4275), 1 (6082.5, 10515), 2 (2962.5, 7395), each by (5902.5, 7635).

// The Earth's layers: 2280 by 375 twips, boxes at the left and right edges.
const ActivityItem kLayers[] = {
    {"Solid inner core", 9480, 3900, 3600, 7440, "box pointing to the grey ball at the centre"},
    {"Mantle", 9480, 5460, 1200, 7440, "box pointing to the thick red layer"},
    {"Liquid outer core", 120, 4380, 8400, 7440, "box pointing to the thick orange layer"},
    {"Crust", 120, 1980, 6000, 7440, "box pointing to the thin brown outer layer"},
};

// Two boxes 1000 by 100 side by side: box 1 takes (-400, 1100) by (-50, 100),
// which holds box 0's corner, so a caption snapped into box 0 snaps on.
const ActivityItem kStacked[] = {
    {"first", 0, 0, 0, 5000, "left box"},
    {"second", 100, 0, 2000, 5000, "right box"},
};

ActivityBoard boardNamed(const QString &name)
{
    if (name == QLatin1String("layers"))
        return ActivityBoard({kLayers, 2280, 375});
    if (name == QLatin1String("stacked"))
        return ActivityBoard({kStacked, 1000, 100});
    return ActivityBoard({kGeologists, 2955, 1155});
}

QPointF pointOf(DropCorner corner)
{
    return QPointF(corner.left, corner.top);
}

QString placeName(CaptionPlace place)
{
    switch (place.kind) {
    case CaptionPlace::Home:
        return QStringLiteral("home");
    case CaptionPlace::InBox:
        return QStringLiteral("box %1").arg(place.box);
    case CaptionPlace::Loose:
        return QStringLiteral("loose");
    case CaptionPlace::Held:
        return QStringLiteral("held");
    }
    return QString();
}

// Caption c dropped into box b (-1: its own home box) as the keyboard does.
void place(ActivityBoard &board, int caption, int box)
{
    if (box < 0)
        board.pickUp(caption);
    else
        board.carryOver(caption, box);
    board.drop(caption);
}

} // namespace

class ActivityBoardTest : public QObject {
    Q_OBJECT

private slots:
    void startsAtHome()
    {
        const ActivityBoard board = boardNamed(QStringLiteral("geologists"));
        QCOMPARE(board.count(), 3);
        QCOMPARE(board.captionText(1), QStringLiteral("rocks"));
        QCOMPARE(board.boxName(2), QStringLiteral("box under Palaeontologists"));
        QCOMPARE(pointOf(board.cornerOf(0)), QPointF(1320, 6480));
        QCOMPARE(pointOf(board.cornerOf(2)), QPointF(4440, 6480));
        QCOMPARE(placeName(board.placeOf(1)), QStringLiteral("home"));
        QCOMPARE(board.homeRect(1).width, 2955.0f);
        QCOMPARE(board.targetRect(1).left, 720.0f);
        QVERIFY(!board.allPlaced());
        QVERIFY(!board.isReady());
        QCOMPARE(board.score(), 0);
    }

    void drop_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("caption");
        QTest::addColumn<QPointF>("released"); // the caption's corner when let go
        QTest::addColumn<QPointF>("lands");
        QTest::addColumn<int>("thuds");
        QTest::addColumn<QString>("place");

        const QString geo = QStringLiteral("geologists");
        QTest::newRow("inside its box") << geo << 1 << QPointF(1000, 3700) << QPointF(720, 3600) << 1 << "box 1";
        QTest::newRow("on the box's corner") << geo << 1 << QPointF(720, 3600) << QPointF(720, 3600) << 1 << "box 1";
        QTest::newRow("inside the left bound") << geo << 1 << QPointF(-757, 3700) << QPointF(720, 3600) << 1 << "box 1";
        QTest::newRow("on the left bound")
            << geo << 1 << QPointF(-757.5, 3700) << QPointF(-757.5, 3700) << 0 << "loose";
        QTest::newRow("on the top bound") << geo << 1 << QPointF(1000, 3022.5) << QPointF(1000, 3022.5) << 0 << "loose";
        QTest::newRow("inside the bottom bound")
            << geo << 1 << QPointF(1000, 4754.5) << QPointF(720, 3600) << 1 << "box 1";
        QTest::newRow("on the bottom bound") << geo << 1 << QPointF(1000, 4755) << QPointF(1000, 4755) << 0 << "loose";
        // 3675 is box 1's right bound, and inside box 0, which comes first anyway.
        QTest::newRow("on the right bound") << geo << 1 << QPointF(3675, 3700) << QPointF(4440, 3600) << 1 << "box 0";
        QTest::newRow("two boxes overlap") << geo << 1 << QPointF(3000, 3700) << QPointF(4440, 3600) << 1 << "box 0";
        QTest::newRow("far outside") << geo << 2 << QPointF(11500, 100) << QPointF(11500, 100) << 0 << "loose";
        QTest::newRow("its own home box") << geo << 1 << QPointF(7600, 6500) << QPointF(7560, 6480) << 1 << "home";
        // Snapped onto another caption's home: a box, so a thud, but not its place.
        QTest::newRow("another's home box") << geo << 1 << QPointF(1400, 6500) << QPointF(1320, 6480) << 1 << "loose";
        QTest::newRow("a layer's box") << "layers" << 2 << QPointF(8500, 5300) << QPointF(9480, 5460) << 1 << "box 1";
        QTest::newRow("snapped on") << "stacked" << 0 << QPointF(10, 10) << QPointF(100, 0) << 2 << "box 1";
    }

    void drop()
    {
        QFETCH(QString, layout);
        QFETCH(int, caption);
        QFETCH(QPointF, released);
        QFETCH(QPointF, lands);
        QFETCH(int, thuds);
        QFETCH(QString, place);
        ActivityBoard board = boardNamed(layout);
        board.dragTo(caption, {float(released.x()), float(released.y())});
        QCOMPARE(placeName(board.placeOf(caption)), QStringLiteral("held"));
        QCOMPARE(pointOf(board.cornerOf(caption)), released);
        const DropOutcome outcome = board.drop(caption);
        QCOMPARE(outcome.thuds, thuds);
        QCOMPARE(pointOf(board.cornerOf(caption)), lands);
        QCOMPARE(placeName(board.placeOf(caption)), place);
        QVERIFY(!outcome.becameReady);
    }

    void score_data()
    {
        QTest::addColumn<QList<int>>("boxes"); // the box caption i is dropped into; -1 its home
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("allPlaced");

        QTest::newRow("all right") << QList<int>{0, 1, 2, 3} << 4 << true;
        QTest::newRow("mantle and inner core swapped") << QList<int>{1, 0, 2, 3} << 2 << true;
        QTest::newRow("all wrong") << QList<int>{1, 0, 3, 2} << 0 << true;
        QTest::newRow("three right, crust at home") << QList<int>{0, 1, 2, -1} << 3 << false;
        QTest::newRow("all four in the outer core's box") << QList<int>{2, 2, 2, 2} << 1 << true;
        QTest::newRow("two in one box, one box empty") << QList<int>{0, 0, 2, 3} << 3 << true;
        QTest::newRow("all at home") << QList<int>{-1, -1, -1, -1} << 0 << false;
    }

    void score()
    {
        QFETCH(QList<int>, boxes);
        QFETCH(int, score);
        QFETCH(bool, allPlaced);
        ActivityBoard board = boardNamed(QStringLiteral("layers"));
        for (int c = 0; c < int(boxes.size()); ++c)
            place(board, c, boxes[c]);
        QCOMPARE(board.score(), score);
        QCOMPARE(board.allPlaced(), allPlaced);
        QCOMPARE(board.isReady(), allPlaced);
    }

    void carriedCaptionLiesOnTheBox_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QPointF>("corner");
        QTest::newRow("the crust's box") << 3 << QPointF(120, 1980);
        QTest::newRow("the mantle's box") << 1 << QPointF(9480, 5460);
    }

    void carriedCaptionLiesOnTheBox()
    {
        QFETCH(int, box);
        QFETCH(QPointF, corner);
        ActivityBoard board = boardNamed(QStringLiteral("layers"));
        board.pickUp(0);
        QCOMPARE(placeName(board.placeOf(0)), QStringLiteral("held"));
        QCOMPARE(pointOf(board.cornerOf(0)), QPointF(3600, 7440));
        board.carryOver(0, box);
        QCOMPARE(pointOf(board.cornerOf(0)), corner);
        QCOMPARE(placeName(board.placeOf(0)), QStringLiteral("held"));
        // Sent home without a drop it lies in its home box again, not held.
        board.sendHome(0);
        QCOMPARE(pointOf(board.cornerOf(0)), QPointF(3600, 7440));
        QCOMPARE(placeName(board.placeOf(0)), QStringLiteral("home"));
        QVERIFY(!board.isReady());
    }

    void readiness_data()
    {
        QTest::addColumn<QList<int>>("boxes"); // the box caption i is dropped into, in order
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("scoreWithTheLastOff"); // once the last caption is pulled out again
        QTest::newRow("each in its own box") << QList<int>{0, 1, 2} << 3 << 2;
        QTest::newRow("all in the Mineralogists box") << QList<int>{0, 0, 0} << 1 << 1;
        QTest::newRow("the first two swapped") << QList<int>{1, 0, 2} << 1 << 0;
    }

    // "Check Score" comes with the drop that places the last caption, stays
    // when a caption then leaves its box, and goes with Start Again.
    void readiness()
    {
        QFETCH(QList<int>, boxes);
        QFETCH(int, score);
        QFETCH(int, scoreWithTheLastOff);
        ActivityBoard board = boardNamed(QStringLiteral("geologists"));
        place(board, 0, boxes[0]);
        place(board, 1, boxes[1]);
        QVERIFY(!board.isReady());
        board.carryOver(2, boxes[2]);
        QVERIFY(board.drop(2).becameReady);
        QVERIFY(board.isReady());
        QCOMPARE(board.score(), score);

        board.dragTo(2, {100, 100});
        const DropOutcome off = board.drop(2);
        QCOMPARE(off.thuds, 0);
        QVERIFY(!off.becameReady);
        QVERIFY(!board.allPlaced());
        QVERIFY(board.isReady());
        QCOMPARE(board.score(), scoreWithTheLastOff);

        board.startAgain();
        QVERIFY(!board.isReady());
        QCOMPARE(board.score(), 0);
        QCOMPARE(pointOf(board.cornerOf(0)), QPointF(1320, 6480));
        QCOMPARE(pointOf(board.cornerOf(1)), QPointF(7560, 6480));
        QCOMPARE(pointOf(board.cornerOf(2)), QPointF(4440, 6480));
    }

    void badIndexesAreIgnored()
    {
        ActivityBoard board = boardNamed(QStringLiteral("stacked"));
        board.dragTo(5, {1, 1});
        board.carryOver(0, 9);
        board.sendHome(-1);
        QCOMPARE(board.drop(-1).thuds, 0);
        QCOMPARE(board.captionText(2), QString());
        QCOMPARE(pointOf(board.cornerOf(0)), QPointF(0, 5000));
        QCOMPARE(placeName(board.placeOf(0)), QStringLiteral("home"));
    }
};

QTEST_APPLESS_MAIN(ActivityBoardTest)
#include "tst_activityboard.moc"
