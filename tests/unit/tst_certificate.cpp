#include "CertificateLayout.h"
#include "PrintChecks.h"

#include <QTest>

using namespace terralore;
using namespace terralore::test;

namespace {

// A4 less quarter-inch margins: the page the certificate is designed on.
const QSizeF kPage(11186, 16118);
const QColor kLightBlue(0, 0, 255);
const QColor kLightRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 128);
const QColor kBlack(0, 0, 0);

// Where a text is expected to start.
enum Place { Left, Eighth, Half, Centred, AfterPrevious };

Certificate fullMarks()
{
    Certificate c;
    c.heading = QStringLiteral("Terralore");
    c.name = QStringLiteral("Megan Pritchard");
    c.score = 10;
    c.questionCount = 10;
    c.headingScreenWidth = 900;
    return c;
}

QList<PrintRecord> printed(const Certificate &certificate, RecordingPrintSurface &surface)
{
    layOutCertificate(surface, certificate);
    return textRecords(surface);
}

} // namespace

class CertificateTest : public QObject {
    Q_OBJECT

private slots:
    void bannerIsTheFixedBandOfFiftyNineCharacters();
    void textsInOrder_data();
    void textsInOrder();
    void linesFollowThePrinterModel();
    void bannersArePrintedTwiceOverAtTheLeftEdge();
    void headingSize_data();
    void headingSize();
    void emptyTextsPrintEmptyCentredLines_data();
    void emptyTextsPrintEmptyCentredLines();
    void scoreSentence_data();
    void scoreSentence();
    void frameOfFiveOuterAndThreeInnerRectangles();
    void onePageThenTheEnd();
    void anyPaperTakesItOnOnePage_data();
    void anyPaperTakesItOnOnePage();
    void aPrinterFailureStopsAtOnceAndSendsNothing_data();
    void aPrinterFailureStopsAtOnceAndSendsNothing();
};

void CertificateTest::bannerIsTheFixedBandOfFiftyNineCharacters()
{
    const QString banner = wellDoneBanner();
    QCOMPARE(banner.size(), 59);
    QCOMPARE(banner.count(QStringLiteral("Well Done")), 4);
    QVERIFY(banner.startsWith(QStringLiteral("   Well Done      Well Done     Well Done     Well Done")));
    QVERIFY(banner.endsWith(QStringLiteral("Done    ")));
}

void CertificateTest::textsInOrder_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("lineEnd");
    QTest::addColumn<int>("place");

    const QString banner2 = wellDoneBanner() + wellDoneBanner();
    const Certificate c = fullMarks();
    const QString sp = QStringLiteral(" ");
    int i = 0;
    auto row = [&](const char *name, const QString &text, double points, const QColor &color, bool lineEnd,
                   Place place) {
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(i, 2, 10, QLatin1Char('0')).arg(QLatin1String(name))))
            << i << text << points << color << lineEnd << int(place);
        ++i;
    };
    row("first space", sp, 25, kLightBlue, true, Eighth);
    row("top banner", banner2, 25, kLightBlue, false, Left);
    row("banner line end", sp, 25, kLightBlue, true, AfterPrevious);
    row("space", sp, 25, kLightBlue, true, Left);
    row("space", sp, 25, kLightBlue, true, Left);
    row("product title", QStringLiteral("Terralore"), 36, kLightRed, true, Centred);
    row("space", sp, 36, kLightRed, true, Left);
    row("heading", c.heading, 36, kLightBlue, true, Centred);
    row("empty line at half", QString(), 36, kLightBlue, true, Half);
    row("space", sp, 36, kLightBlue, true, Left);
    row("space", sp, 36, kLightBlue, true, Left);
    row("space", sp, 36, kLightBlue, true, Left);
    row("excellent", QStringLiteral("Excellent Work"), 28, kDarkBlue, true, Centred);
    row("space", sp, 28, kDarkBlue, true, Left);
    row("name", c.name, 28, kDarkBlue, true, Centred);
    row("empty line", QString(), 28, kDarkBlue, true, Left);
    row("score", QStringLiteral("You have scored 10 out of 10."), 28, kDarkBlue, true, Centred);
    row("space", sp, 28, kDarkBlue, true, Left);
    row("space", sp, 36, kDarkBlue, true, Left);
    row("space", sp, 36, kDarkBlue, true, Left);
    row("space", sp, 25, kLightBlue, true, Left);
    row("bottom banner", banner2, 25, kBlack, false, Left);
}

void CertificateTest::textsInOrder()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(QColor, color);
    QFETCH(bool, lineEnd);
    QFETCH(int, place);

    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(fullMarks(), surface);
    QCOMPARE(texts.size(), 22);
    const PrintRecord &r = texts.at(index);
    QCOMPARE(r.text, text);
    QCOMPARE(r.fontName, QStringLiteral("Times New Roman"));
    QCOMPARE(r.fontSize, points);
    QCOMPARE(r.color, color);
    QCOMPARE(r.lineEnd, lineEnd);

    Ruler ruler(kPage);
    const float w = float(kPage.width());
    switch (Place(place)) {
    case Left:
        QCOMPARE(r.x, 0.0f);
        break;
    case Eighth:
        QCOMPARE(r.x, w / 8);
        break;
    case Half:
        QCOMPARE(r.x, w / 2);
        break;
    case Centred:
        QCOMPARE(r.x, (w - ruler.width(points, text)) / 2);
        QVERIFY(r.x > 0 && r.x < w / 2);
        break;
    case AfterPrevious: {
        const PrintRecord &before = texts.at(index - 1);
        QCOMPARE(r.x, before.x + ruler.width(before.fontSize, before.text));
        break;
    }
    }
}

void CertificateTest::linesFollowThePrinterModel()
{
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(fullMarks(), surface);
    QCOMPARE(texts.first().y, 0.0f);
    const QString fault = checkLineAdvance(texts, float(kPage.height()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void CertificateTest::bannersArePrintedTwiceOverAtTheLeftEdge()
{
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(fullMarks(), surface);
    QList<PrintRecord> banners;
    for (const PrintRecord &r : texts) {
        if (r.text.contains(QStringLiteral("Well Done")))
            banners.append(r);
    }
    QCOMPARE(banners.size(), 2);
    Ruler ruler(kPage);
    for (const PrintRecord &banner : banners) {
        QCOMPARE(banner.text, wellDoneBanner() + wellDoneBanner());
        QCOMPARE(banner.text.size(), 118);
        QCOMPARE(banner.x, 0.0f);
        // Wider than the page: the device cuts it at the right edge.
        QVERIFY(ruler.width(25, banner.text) > kPage.width());
    }
    QVERIFY(banners.at(0).y < banners.at(1).y);
}

void CertificateTest::headingSize_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<float>("screenWidth");
    QTest::addColumn<double>("points");
    const float quarter = float(kPage.width()) / 4;
    QTest::newRow("product title, narrow") << QStringLiteral("Terralore") << 900.0f << 36.0;
    QTest::newRow("exactly a quarter") << QStringLiteral("Terralore Rocks and Soils") << quarter << 36.0;
    QTest::newRow("just over a quarter") << QStringLiteral("Terralore Rocks and Soils") << quarter + 1 << 28.0;
    QTest::newRow("long menu title") << QStringLiteral("Terralore: Rocks, Soils and Fossils for Key Stage Two")
                                     << 4200.0f << 28.0;
    QTest::newRow("empty after an activity") << QString() << 0.0f << 36.0;
}

void CertificateTest::headingSize()
{
    QFETCH(QString, heading);
    QFETCH(float, screenWidth);
    QFETCH(double, points);
    Certificate c = fullMarks();
    c.heading = heading;
    c.headingScreenWidth = screenWidth;
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(c, surface);
    const PrintRecord &r = texts.at(7);
    QCOMPARE(r.text, heading);
    QCOMPARE(r.fontSize, points);
    Ruler ruler(kPage);
    QCOMPARE(r.x, (float(kPage.width()) - ruler.width(points, heading)) / 2);
    // The empty line after it keeps the heading's size; three spaces at 36 follow.
    QCOMPARE(texts.at(8).fontSize, points);
    QCOMPARE(texts.at(9).fontSize, 36.0);
}

void CertificateTest::emptyTextsPrintEmptyCentredLines_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("name");
    QTest::newRow("no name") << QStringLiteral("Terralore") << QString();
    QTest::newRow("after a drag-and-drop activity") << QString() << QStringLiteral("Tom");
    QTest::newRow("neither") << QString() << QString();
}

void CertificateTest::emptyTextsPrintEmptyCentredLines()
{
    QFETCH(QString, heading);
    QFETCH(QString, name);
    Certificate c = fullMarks();
    c.heading = heading;
    c.name = name;
    c.headingScreenWidth = 0;
    RecordingPrintSurface surface(kPage);
    const QList<PrintRecord> texts = printed(c, surface);
    QCOMPARE(texts.size(), 22);
    const float half = float(kPage.width()) / 2;
    if (heading.isEmpty()) {
        QCOMPARE(texts.at(7).text, QString());
        QCOMPARE(texts.at(7).x, half);
        QVERIFY(texts.at(7).lineEnd);
    }
    if (name.isEmpty()) {
        QCOMPARE(texts.at(14).text, QString());
        QCOMPARE(texts.at(14).x, half);
        QVERIFY(texts.at(14).lineEnd);
    }
    // The lines below keep their places whatever is empty.
    RecordingPrintSurface reference(kPage);
    const QList<PrintRecord> full = printed(fullMarks(), reference);
    QCOMPARE(texts.at(16).y, full.at(16).y);
    QCOMPARE(texts.at(21).y, full.at(21).y);
}

void CertificateTest::scoreSentence_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("quiz") << 10 << 10 << QStringLiteral("You have scored 10 out of 10.");
    QTest::newRow("ordering") << 4 << 4 << QStringLiteral("You have scored 4 out of 4.");
    QTest::newRow("labelling") << 5 << 5 << QStringLiteral("You have scored 5 out of 5.");
    QTest::newRow("zero") << 0 << 0 << QStringLiteral("You have scored 0 out of 0.");
}

void CertificateTest::scoreSentence()
{
    QFETCH(int, score);
    QFETCH(int, count);
    QFETCH(QString, sentence);
    QCOMPARE(terralore::scoreSentence(score, count), sentence);
    Certificate c = fullMarks();
    c.score = score;
    c.questionCount = count;
    RecordingPrintSurface surface(kPage);
    QCOMPARE(printed(c, surface).at(16).text, sentence);
}

void CertificateTest::frameOfFiveOuterAndThreeInnerRectangles()
{
    RecordingPrintSurface surface(kPage);
    layOutCertificate(surface, fullMarks());
    const QList<PrintRecord> lines = surface.records(PrintRecord::Kind::Line);
    QCOMPARE(lines.size(), 32);

    // The lines come after every text, in black at width 2.
    const QList<PrintRecord> &all = surface.records();
    qsizetype firstLine = -1;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all.at(i).kind == PrintRecord::Kind::Line && firstLine < 0)
            firstLine = i;
        if (all.at(i).kind == PrintRecord::Kind::Text)
            QVERIFY(firstLine < 0);
    }

    const float w = float(kPage.width());
    const float h = float(kPage.height());
    QList<QRectF> expected;
    const float insets[5][2] = {{45, 270}, {90, 315}, {135, 360}, {180, 405}, {225, 450}};
    for (int i = 0; i < 5; ++i) {
        const float a = insets[i][0];
        const float b = insets[i][1];
        expected << QRectF(QPointF(a, b), QPointF(w - a, h - b));
        if (i < 3)
            expected << QRectF(QPointF(a + 600, b + 7050), QPointF(w - a - 600, h - b - 3750));
    }
    QCOMPARE(expected.size(), 8);
    for (int k = 0; k < 8; ++k) {
        const QRectF box = expected.at(k);
        const PrintRecord *side = &lines.at(4 * k);
        const QLineF wanted[4] = {QLineF(box.topLeft(), box.topRight()), QLineF(box.topLeft(), box.bottomLeft()),
                                  QLineF(box.topRight(), box.bottomRight()),
                                  QLineF(box.bottomLeft(), box.bottomRight())};
        for (int s = 0; s < 4; ++s) {
            const PrintRecord &r = side[s];
            QCOMPARE(QLineF(r.x, r.y, r.x2, r.y2), wanted[s]);
            QCOMPARE(r.drawWidth, 2);
            QCOMPARE(r.color, kBlack);
        }
    }
    // Outer rectangles nest 45 twips apart, and so do the inner ones.
    QCOMPARE(expected.at(2).left() - expected.at(0).left(), 45.0);
    QCOMPARE(expected.at(3).left() - expected.at(1).left(), 45.0);
    QCOMPARE(expected.at(5).top() - expected.at(3).top(), 45.0);
    QVERIFY(expected.at(7).contains(expected.at(1)));
}

void CertificateTest::onePageThenTheEnd()
{
    RecordingPrintSurface surface(kPage);
    layOutCertificate(surface, fullMarks());
    QCOMPARE(surface.pagesStarted(), 1);
    for (const PrintRecord &r : surface.records())
        QCOMPARE(r.page, 0);
    // The page starts before its first ink, the top banner.
    const QList<PrintRecord> &all = surface.records();
    QCOMPARE(all.at(1).kind, PrintRecord::Kind::Page);
    QVERIFY(all.at(2).text.contains(QStringLiteral("Well Done")));
    QCOMPARE(lastKind(surface), PrintRecord::Kind::End);
    QVERIFY(surface.ended());
    QVERIFY(!surface.failed());
}

void CertificateTest::anyPaperTakesItOnOnePage_data()
{
    // Printable areas in twips: paper less its margins.
    QTest::addColumn<QSizeF>("printable");
    QTest::addColumn<double>("scale");
    QTest::newRow("A4, no margins") << QSizeF(11906, 16838) << 1.0;
    QTest::newRow("A4, half-inch margins") << QSizeF(11186, 15398) << 15398.0 / 16118;
    QTest::newRow("Letter, no margins") << QSizeF(12240, 15840) << 15840.0 / 16118;
    QTest::newRow("Letter, half-inch margins") << QSizeF(11520, 14400) << 14400.0 / 16118;
    QTest::newRow("A5, no margins") << QSizeF(8391, 11906) << 11906.0 / 16118;
    QTest::newRow("A5, quarter-inch margins") << QSizeF(7671, 11186) << 7671.0 / 11186;
    QTest::newRow("A4 landscape") << QSizeF(16838, 11906) << 11906.0 / 16118;
}

// The page the layout sees is the printable area divided by one even scale;
// everything lands on it, on one page, the bottom banner inside the frame.
void CertificateTest::anyPaperTakesItOnOnePage()
{
    QFETCH(QSizeF, printable);
    QFETCH(double, scale);
    RecordingPrintSurface surface(printable);
    const QList<PrintRecord> texts = printed(fullMarks(), surface);
    QCOMPARE(surface.pagesStarted(), 1);
    QVERIFY(qFuzzyCompare(surface.drawingScale(), scale));
    const double w = printable.width() / scale;
    const double h = printable.height() / scale;
    for (const PrintRecord &r : surface.records(PrintRecord::Kind::Line))
        QVERIFY(r.x >= 0 && r.x2 <= w + 0.5 && r.y >= 0 && r.y2 <= h + 0.5);
    Ruler ruler(printable);
    const PrintRecord &bottomBanner = texts.last();
    QVERIFY(bottomBanner.text.contains(QStringLiteral("Well Done")));
    // Inside the innermost frame, whose bottom side lies 450 twips up.
    QVERIFY2(bottomBanner.y + ruler.lineHeight(25) <= h - 450,
             qPrintable(QStringLiteral("banner ends at %1 of %2").arg(bottomBanner.y + ruler.lineHeight(25)).arg(h)));
}

void CertificateTest::aPrinterFailureStopsAtOnceAndSendsNothing_data()
{
    // Which device call fails, as a share of all the calls a whole
    // certificate makes: the first, early, middle, in the frame, the end.
    QTest::addColumn<double>("share");
    QTest::newRow("opening") << 0.0;
    QTest::newRow("top banner") << 0.05;
    QTest::newRow("middle") << 0.5;
    QTest::newRow("frame") << 0.9;
    QTest::newRow("sending") << 1.0;
}

void CertificateTest::aPrinterFailureStopsAtOnceAndSendsNothing()
{
    QFETCH(double, share);
    RecordingPrintSurface whole(kPage);
    layOutCertificate(whole, fullMarks());
    const int failingCall = std::max(1, int(whole.deviceCalls() * share));
    RecordingPrintSurface surface(kPage);
    surface.failOnCall(failingCall);
    bool raised = false;
    try {
        layOutCertificate(surface, fullMarks());
    } catch (const PrintError &error) {
        raised = true;
        QVERIFY(!error.reason().isEmpty());
    }
    QVERIFY(raised);
    QVERIFY(surface.failed());
    QVERIFY(surface.records(PrintRecord::Kind::End).isEmpty());
    QCOMPARE(surface.deviceCalls(), failingCall);
    const qsizetype recorded = surface.records().size();
    // Later calls raise too and record nothing; abandoning is recorded.
    QVERIFY_THROWS_EXCEPTION(PrintError, surface.Print(QStringLiteral("more")));
    QCOMPARE(surface.records().size(), recorded);
    surface.KillDoc();
    QCOMPARE(lastKind(surface), PrintRecord::Kind::Abandon);
}

QTEST_MAIN(CertificateTest)
#include "tst_certificate.moc"
