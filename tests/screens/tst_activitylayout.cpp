#include "ActivityTest.h"

using namespace terralore;
using namespace terralore::test;

// What each activity screen shows at load: captions and their boxes,
// buttons, texts, pictures and lines.
class ActivityLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { freshStart(); }

    void captions_data();
    void captions();
    void buttons_data();
    void buttons();
    void texts_data();
    void texts();
    void picturesAndLines();
};

void ActivityLayoutTest::captions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("target");
    QTest::addColumn<QPointF>("home");
    QTest::addColumn<QSizeF>("size");
    const QSizeF so(2955, 1155), bo(3915, 915), sl(2595, 375), bl(2280, 375);
    QTest::newRow("scienceord 0") << "scienceord" << 0
                                  << "These geologists study the minerals that the rocks are made of."
                                  << QPointF(4440, 3600) << QPointF(1320, 6480) << so;
    QTest::newRow("scienceord 1") << "scienceord" << 1 << "These geologists identify and classify the rocks themselves."
                                  << QPointF(720, 3600) << QPointF(7560, 6480) << so;
    QTest::newRow("scienceord 2")
        << "scienceord" << 2
        << "These geologists study the fossil remains of plants and animals that are found in the rocks."
        << QPointF(8160, 3600) << QPointF(4440, 6480) << so;
    QTest::newRow("beginningord 0") << "beginningord" << 0
                                    << "As the Earth cooled, water in the atmosphere rained down to form the oceans."
                                    << QPointF(7800, 3480) << QPointF(1080, 2160) << bo;
    QTest::newRow("beginningord 1") << "beginningord" << 1
                                    << "As the solar system formed, the Earth was created as a spinning molten mass."
                                    << QPointF(7800, 840) << QPointF(1080, 3120) << bo;
    QTest::newRow("beginningord 2")
        << "beginningord" << 2 << "Pangaea broke up and the continents gradually drifted into their present positions."
        << QPointF(7800, 6120) << QPointF(1080, 5040) << bo;
    QTest::newRow("beginningord 3")
        << "beginningord" << 3
        << QString::fromUtf8(
               "Heavy metals sunk to the Earth\u2019s core while lighter rocks cooled into a crust on the surface.")
        << QPointF(7800, 2160) << QPointF(1080, 6000) << bo;
    QTest::newRow("beginningord 4")
        << "beginningord" << 4 << "250 million years ago all the land was merged into a supercontinent called Pangaea."
        << QPointF(7800, 4800) << QPointF(1080, 4080) << bo;
    QTest::newRow("sciencelab 0") << "sciencelab" << 0 << "Trilobite" << QPointF(600, 4560) << QPointF(4080, 6900)
                                  << sl;
    QTest::newRow("sciencelab 1") << "sciencelab" << 1 << "Dinosaur leg bones" << QPointF(8880, 7320)
                                  << QPointF(1440, 6900) << sl;
    QTest::newRow("sciencelab 2") << "sciencelab" << 2 << "Ammonite" << QPointF(4680, 4560) << QPointF(1440, 6480)
                                  << sl;
    QTest::newRow("sciencelab 3") << "sciencelab" << 3 << "Reptile skull bones" << QPointF(8880, 2895)
                                  << QPointF(4080, 6480) << sl;
    QTest::newRow("beginninglab 0") << "beginninglab" << 0 << "Solid inner core" << QPointF(9480, 3900)
                                    << QPointF(3600, 7440) << bl;
    QTest::newRow("beginninglab 1") << "beginninglab" << 1 << "Mantle" << QPointF(9480, 5460) << QPointF(1200, 7440)
                                    << bl;
    QTest::newRow("beginninglab 2") << "beginninglab" << 2 << "Liquid outer core" << QPointF(120, 4380)
                                    << QPointF(8400, 7440) << bl;
    QTest::newRow("beginninglab 3") << "beginninglab" << 3 << "Crust" << QPointF(120, 1980) << QPointF(6000, 7440)
                                    << bl;
}

void ActivityLayoutTest::captions()
{
    QFETCH(QString, screen);
    QFETCH(int, i);
    QFETCH(QString, text);
    QFETCH(QPointF, target);
    QFETCH(QPointF, home);
    QFETCH(QSizeF, size);
    Activity &a = openActivity(screen);
    QCOMPARE(a.Label2.count(), Module1::QuestionCount);
    QCOMPARE(a.Label1.count(), Module1::QuestionCount);
    QCOMPARE(a.Label4.count(), Module1::QuestionCount);
    Label *caption = a.Label2[i];
    QCOMPARE(caption->Caption(), text);
    QCOMPARE(cornerOf(caption), home);
    QCOMPARE(QSizeF(caption->Width(), caption->Height()), size);
    QVERIFY(caption->isVisible());
    QCOMPARE(caption->BackStyle(), int(vbOpaque));
    QCOMPARE(caption->BackColor(), QColor(0, 0, 0));
    QCOMPARE(caption->ForeColor(), QColor(255, 255, 0));
    QCOMPARE(caption->BorderStyle(), 1);
    QCOMPARE(caption->Alignment(), int(vbCenter));
    QCOMPARE(caption->FontSize(), 11.25);
    QVERIFY(caption->font().bold());
    // The target box: an empty outline of the caption's size.
    Label *box = a.Label1[i];
    QCOMPARE(cornerOf(box), target);
    QCOMPARE(QSizeF(box->Width(), box->Height()), size);
    QVERIFY(box->Caption().isEmpty());
    QCOMPARE(box->BackStyle(), int(vbTransparent));
    QCOMPARE(box->BorderStyle(), 1);
    QVERIFY(box->isVisible());
    // The home box: the caption's rectangle at load.
    Label *homeBox = a.Label4[i];
    QCOMPARE(QRectF(homeBox->Left(), homeBox->Top(), homeBox->Width(), homeBox->Height()), QRectF(home, size));
    QVERIFY(homeBox->Caption().isEmpty());
    QCOMPARE(homeBox->BackStyle(), int(vbTransparent));
    QCOMPARE(homeBox->BorderStyle(), 1);
    QVERIFY(homeBox->isVisible());
    // Pixel geometry follows the twips.
    QCOMPARE(caption->geometry().topLeft(), pixelAt(float(home.x()), float(home.y())));
}

void ActivityLayoutTest::buttons_data()
{
    QTest::addColumn<QString>("screen");
    for (const char *screen : {"scienceord", "beginningord", "sciencelab", "beginninglab"})
        QTest::newRow(screen) << screen;
}

void ActivityLayoutTest::buttons()
{
    QFETCH(QString, screen);
    Activity &a = openActivity(screen);
    const struct {
        const char *caption;
        QRectF rect;
        bool visible;
    } expected[] = {{"Exit", {10560, 7920, 1245, 495}, true},
                    {"Start Again", {3360, 7920, 2565, 495}, true},
                    {"Check Score", {6000, 7920, 2565, 495}, false}};
    QCOMPARE(a.Label3.count(), 3);
    for (int i = 0; i < 3; ++i) {
        Label *b = a.Label3[i];
        QCOMPARE(b->Caption(), QString::fromLatin1(expected[i].caption));
        QCOMPARE(QRectF(b->Left(), b->Top(), b->Width(), b->Height()), expected[i].rect);
        QCOMPARE(b->isVisible(), expected[i].visible);
        QCOMPARE(b->ForeColor(), QColor(255, 255, 0));
        QCOMPARE(b->BackColor(), QColor(0, 0, 0));
        QCOMPARE(b->BackStyle(), int(vbOpaque));
        QCOMPARE(b->BorderStyle(), 1);
        QCOMPARE(b->FontSize(), 15.75);
    }
    QCOMPARE(a.Caption(), QStringLiteral("Terralore"));
    QCOMPARE(a.BackColor(), QColor(39, 63, 137));
    QCOMPARE(QSizeF(a.Width(), a.Height()), QSizeF(12000, 9000));
}

void ActivityLayoutTest::texts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("colour");
    const QColor yellow(255, 255, 0), green(0, 255, 0), cyan(128, 255, 255);
    const QString hint = QStringLiteral("Drag the labels into the correct boxes.");
    QTest::newRow("scienceord title") << "scienceord"
                                      << "Label6"
                                      << "The Science of Rocks" << QRectF(120, 120, 4665, 705) << 24.0 << yellow;
    QTest::newRow("scienceord instruction") << "scienceord"
                                            << "Label8"
                                            << "Match these different geologists to the work that they do."
                                            << QRectF(2520, 1320, 6840, 945) << 20.25 << green;
    QTest::newRow("scienceord hint") << "scienceord"
                                     << "Label9" << hint << QRectF(120, 7800, 2745, 825) << 12.0 << cyan;
    QTest::newRow("Palaeontologists") << "scienceord"
                                      << "Label5(3)"
                                      << "Palaeontologists" << QRectF(8160, 2880, 2955, 375) << 15.75 << yellow;
    QTest::newRow("Mineralogists") << "scienceord"
                                   << "Label5(2)"
                                   << "Mineralogists" << QRectF(4440, 2880, 2955, 585) << 15.75 << yellow;
    QTest::newRow("beginningord title") << "beginningord"
                                        << "Label6"
                                        << "The Beginning: the Earth" << QRectF(120, 120, 6105, 705) << 24.0 << yellow;
    QTest::newRow("beginningord instruction")
        << "beginningord"
        << "Label8"
        << "Put these events into the correct order." << QRectF(720, 1200, 4800, 945) << 20.25 << green;
    QTest::newRow("beginningord hint") << "beginningord"
                                       << "Label9" << hint << QRectF(120, 7800, 2745, 825) << 12.0 << cyan;
    QTest::newRow("sciencelab title") << "sciencelab"
                                      << "Label6"
                                      << "The Science of Rocks" << QRectF(1920, 120, 4185, 705) << 24.0 << yellow;
    QTest::newRow("sciencelab instruction")
        << "sciencelab"
        << "Label8"
        << "Match the captions to these illustrations of fossils that might be dug up by scientists."
        << QRectF(1320, 5640, 5520, 795) << 15.75 << yellow;
    QTest::newRow("sciencelab hint") << "sciencelab"
                                     << "Label9" << hint << QRectF(240, 7920, 2985, 585) << 12.0 << yellow;
    QTest::newRow("beginninglab title") << "beginninglab"
                                        << "Label6"
                                        << "The Beginning: the Earth" << QRectF(240, 120, 3945, 1305) << 27.75
                                        << yellow;
    QTest::newRow("beginninglab instruction")
        << "beginninglab"
        << "Label7"
        << "Label this diagram showing the Earth's inner structure." << QRectF(6960, 240, 4785, 945) << 18.0 << yellow;
}

void ActivityLayoutTest::texts()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRectF, rect);
    QFETCH(double, points);
    QFETCH(QColor, colour);
    Activity &a = openActivity(screen);
    auto *label = a.client()->findChild<Label *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(label);
    QCOMPARE(label->Caption(), text);
    QCOMPARE(QRectF(label->Left(), label->Top(), label->Width(), label->Height()), rect);
    QCOMPARE(label->FontSize(), points);
    QCOMPARE(label->ForeColor(), colour);
    QCOMPARE(label->BackStyle(), int(vbTransparent));
}

void ActivityLayoutTest::picturesAndLines()
{
    sciencelabForm &lab = sciencelab();
    const struct {
        const char *path;
        QRectF rect;
    } fossils[] = {{"Images\\bones.jpg", {8880, 3600, 2595, 3660}},
                   {"Images\\ammonite.jpg", {4200, 840, 3540, 3660}},
                   {"Images\\trilobite.jpg", {120, 960, 3660, 3540}},
                   {"Images\\skull.jpg", {8160, 120, 3660, 2715}}};
    for (int i = 0; i < 4; ++i) {
        Image *image = lab.Image1[i];
        QCOMPARE(image->PictureSource(), QString::fromLatin1(fossils[i].path));
        QVERIFY(!image->picture().isNull());
        QVERIFY(image->Stretch());
        QCOMPARE(QRectF(image->Left(), image->Top(), image->Width(), image->Height()), fossils[i].rect);
    }
    Image *diagram = beginninglab().Image1[0];
    QCOMPARE(diagram->PictureSource(), QStringLiteral("Images\\insideearth.jpg"));
    QVERIFY(!diagram->Stretch());
    QCOMPARE(QRectF(diagram->Left(), diagram->Top(), diagram->Width(), diagram->Height()),
             QRectF(0, -480, 12000, 9000));
    const struct {
        Line *line;
        QLineF twips;
    } lines[] = {
        {beginninglab().Line1[0], {6120, 4080, 9360, 4080}}, {beginninglab().Line1[1], {2520, 4560, 5760, 4560}},
        {beginninglab().Line1[2], {6840, 5640, 9360, 5640}}, {beginninglab().Line1[3], {2520, 2160, 4950, 2160}},
        {beginningord().Line1, {7320, 1320, 7320, 6600}},    {beginningord().Line2[0], {7320, 1320, 7560, 1320}},
        {beginningord().Line2[2], {7320, 3960, 7560, 3960}}, {beginningord().Line2[4], {7320, 6600, 7560, 6600}}};
    for (const auto &l : lines) {
        QCOMPARE(QLineF(l.line->X1(), l.line->Y1(), l.line->X2(), l.line->Y2()), l.twips);
        QCOMPARE(l.line->BorderColor(), QColor(255, 255, 0));
        QCOMPARE(l.line->BorderWidth(), 3);
    }
    QCOMPARE(beginningord().Line2.count(), 5);
}

QTEST_MAIN(ActivityLayoutTest)
#include "tst_activitylayout.moc"
