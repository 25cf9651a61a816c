#include "DropGeometry.h"

#include <QTest>

#include <cmath>
#include <vector>

using namespace terralore;

Q_DECLARE_METATYPE(terralore::DropRect)

namespace {

// The time-order column of the Earth's history activity: 3915 by 915 boxes
// at Left 7800, one every 1320 twips; target i by its place in the table.
const std::vector<DropRect> kOrderTargets = {
    {7800, 3480, 3915, 915}, {7800, 840, 3915, 915},  {7800, 6120, 3915, 915},
    {7800, 2160, 3915, 915}, {7800, 4800, 3915, 915},
};
const std::vector<DropRect> kOrderHomes = {
    {1080, 2160, 3915, 915}, {1080, 3120, 3915, 915}, {1080, 5040, 3915, 915},
    {1080, 6000, 3915, 915}, {1080, 4080, 3915, 915},
};

float above(float v)
{
    return std::nextafter(v, HUGE_VALF);
}

float below(float v)
{
    return std::nextafter(v, -HUGE_VALF);
}

} // namespace

class DropGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void acceptance_data();
    void acceptance();
    void pointerNearTheEdges_data();
    void pointerNearTheEdges();
    void snapping_data();
    void snapping();
    void placedPairs_data();
    void placedPairs();
    void scoring_data();
    void scoring();
};

void DropGeometryTest::acceptance_data()
{
    QTest::addColumn<DropRect>("box");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("taken");
    const DropRect box{7800, 840, 3915, 915};
    // Bounds: x in (5842.5, 11715), y in (382.5, 1755).
    QTest::newRow("on its own corner") << box << 7800.0f << 840.0f << true;
    QTest::newRow("exactly on L - W/2") << box << 5842.5f << 840.0f << false;
    QTest::newRow("just right of L - W/2") << box << above(5842.5f) << 840.0f << true;
    QTest::newRow("exactly on L + W") << box << 11715.0f << 840.0f << false;
    QTest::newRow("just left of L + W") << box << below(11715.0f) << 840.0f << true;
    QTest::newRow("exactly on T - H/2") << box << 7800.0f << 382.5f << false;
    QTest::newRow("just below T - H/2") << box << 7800.0f << above(382.5f) << true;
    QTest::newRow("exactly on T + H") << box << 7800.0f << 1755.0f << false;
    QTest::newRow("just above T + H") << box << 7800.0f << below(1755.0f) << true;
    QTest::newRow("x fine, y far off") << box << 7800.0f << 5000.0f << false;
    QTest::newRow("y fine, x far off") << box << 100.0f << 840.0f << false;
    QTest::newRow("both corners past") << box << 11715.0f << 1755.0f << false;
    // Each bound is a single before it is compared: 2^24 - 0.5 and 2^24 + 1
    // both round to 2^24, so a corner at 2^24 lies on the bound.
    const DropRect huge{16777216.0f, 16777216.0f, 1.0f, 1.0f};
    QTest::newRow("L - W/2 rounded to single") << huge << 16777216.0f << above(16777216.0f) << false;
    QTest::newRow("L + W rounded to single") << huge << 16777216.0f << 16777216.0f << false;
    const DropRect near{16777214.0f, 16777214.0f, 2.0f, 2.0f};
    QTest::newRow("representable bounds keep the box") << near << 16777214.0f << 16777214.0f << true;
}

void DropGeometryTest::acceptance()
{
    QFETCH(DropRect, box);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(bool, taken);
    QCOMPARE(acceptsDrop(box, x, y), taken);
}

void DropGeometryTest::pointerNearTheEdges_data()
{
    // A dragged caption is centred on the pointer and has its box's size, so
    // the pointer's place decides; the box is scienceord's "Mineralogists".
    QTest::addColumn<float>("pointerX");
    QTest::addColumn<float>("pointerY");
    QTest::addColumn<bool>("taken");
    const float l = 4440, t = 3600, w = 2955, h = 1155;
    QTest::newRow("centre a pixel left of the left edge") << l - 15 << t + h / 2 << false;
    QTest::newRow("centre on the left edge") << l << t + h / 2 << false;
    QTest::newRow("centre a pixel inside the left edge") << l + 15 << t + h / 2 << true;
    QTest::newRow("centre just past the right edge") << l + w + 15 << t + h / 2 << true;
    QTest::newRow("centre half a box past the right edge") << l + w + w / 2 << t + h / 2 << false;
    QTest::newRow("centre a pixel above the top edge") << l + w / 2 << t - 15 << false;
    QTest::newRow("centre just below the bottom edge") << l + w / 2 << t + h + 15 << true;
}

void DropGeometryTest::pointerNearTheEdges()
{
    QFETCH(float, pointerX);
    QFETCH(float, pointerY);
    QFETCH(bool, taken);
    const DropRect box{4440, 3600, 2955, 1155};
    QCOMPARE(acceptsDrop(box, pointerX - box.width / 2, pointerY - box.height / 2), taken);
}

void DropGeometryTest::snapping_data()
{
    QTest::addColumn<std::vector<DropRect>>("targets");
    QTest::addColumn<std::vector<DropRect>>("homes");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("endX");
    QTest::addColumn<float>("endY");
    QTest::addColumn<int>("snaps");
    // Targets 1 and 3 overlap for y in (1702.5, 1755): the lower index wins.
    QTest::newRow("overlap of the top two boxes")
        << kOrderTargets << kOrderHomes << 7800.0f << 1720.0f << 7800.0f << 840.0f << 1;
    QTest::newRow("below the overlap") << kOrderTargets << kOrderHomes << 7800.0f << 1760.0f << 7800.0f << 2160.0f << 1;
    QTest::newRow("home box takes it back")
        << kOrderTargets << kOrderHomes << 1500.0f << 5300.0f << 1080.0f << 5040.0f << 1;
    QTest::newRow("home boxes overlap too")
        << kOrderTargets << kOrderHomes << 1080.0f << 2700.0f << 1080.0f << 2160.0f << 1;
    QTest::newRow("loose on the form stays")
        << kOrderTargets << kOrderHomes << 5400.0f << 100.0f << 5400.0f << 100.0f << 0;
    QTest::newRow("already in place snaps again")
        << kOrderTargets << kOrderHomes << 7800.0f << 4800.0f << 7800.0f << 4800.0f << 1;
    // Target 0's corner lies inside home 0's acceptance rectangle while the
    // released corner does not: only a fresh read sends it on to home 0.
    const std::vector<DropRect> chain = {{0, 0, 100, 100}};
    const std::vector<DropRect> chainHome = {{-40, -40, 100, 100}};
    QTest::newRow("fresh read after a snap") << chain << chainHome << 70.0f << 70.0f << -40.0f << -40.0f << 2;
    QTest::newRow("no boxes at all") << std::vector<DropRect>{} << std::vector<DropRect>{} << 3.0f << 4.0f << 3.0f
                                     << 4.0f << 0;
}

void DropGeometryTest::snapping()
{
    QFETCH(std::vector<DropRect>, targets);
    QFETCH(std::vector<DropRect>, homes);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, endX);
    QFETCH(float, endY);
    QFETCH(int, snaps);
    const SnapResult r = snapCaption({x, y}, targets, homes);
    QCOMPARE(r.corner.left, endX);
    QCOMPARE(r.corner.top, endY);
    QCOMPARE(r.snaps, snaps);
}

void DropGeometryTest::placedPairs_data()
{
    QTest::addColumn<std::vector<DropCorner>>("captions");
    QTest::addColumn<int>("placed");
    QTest::addColumn<int>("score");
    QTest::newRow("all at home")
        << std::vector<DropCorner>{{1080, 2160}, {1080, 3120}, {1080, 5040}, {1080, 6000}, {1080, 4080}} << 0 << 0;
    QTest::newRow("all in their own boxes")
        << std::vector<DropCorner>{{7800, 3480}, {7800, 840}, {7800, 6120}, {7800, 2160}, {7800, 4800}} << 5 << 5;
    QTest::newRow("in boxes, two swapped")
        << std::vector<DropCorner>{{7800, 840}, {7800, 3480}, {7800, 6120}, {7800, 2160}, {7800, 4800}} << 5 << 3;
    QTest::newRow("two in one box, one box empty")
        << std::vector<DropCorner>{{7800, 3480}, {7800, 3480}, {7800, 6120}, {7800, 2160}, {7800, 4800}} << 5 << 4;
    QTest::newRow("all five in one box")
        << std::vector<DropCorner>{{7800, 840}, {7800, 840}, {7800, 840}, {7800, 840}, {7800, 840}} << 5 << 1;
    QTest::newRow("Left matches, Top a hair off")
        << std::vector<DropCorner>{{7800, above(3480.0f)}, {7800, 840}, {1080, 5040}, {1080, 6000}, {1080, 4080}} << 1
        << 1;
}

void DropGeometryTest::placedPairs()
{
    QFETCH(std::vector<DropCorner>, captions);
    QFETCH(int, placed);
    QCOMPARE(placedCount(captions, kOrderTargets), placed);
}

void DropGeometryTest::scoring_data()
{
    placedPairs_data();
}

void DropGeometryTest::scoring()
{
    QFETCH(std::vector<DropCorner>, captions);
    QFETCH(int, score);
    QCOMPARE(scoreOf(captions, kOrderTargets), score);
}

QTEST_APPLESS_MAIN(DropGeometryTest)
#include "tst_dropgeometry.moc"
