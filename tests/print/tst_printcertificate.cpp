#include "PrintTest.h"
#include "ScreenTest.h"

#include "CertificateLayout.h"
#include "QuizResults.h"
#include "Welldone.h"
#include "multiple.h"
#include "science.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// Centred lines may sit this far (points) from the printable centre: a few
// twips of rounding between the printer's metrics and the PDF's.
constexpr double kCentred = 0.4;

// Takes the science quiz from its hub and answers every question right, which
// opens the results screen with full marks.
void fullMarksThroughTheQuiz()
{
    science().Show();
    click(science().Label3[0]);
    settle();
    QVERIFY(multipleIfLoaded() && topForm() == multipleIfLoaded());
    for (int q = 1; q <= 10; ++q) {
        const int right = answerOption(Module1::CorrectAnswer[std::size_t(q)]);
        click(multiple().Option1[right], QPoint(8, multiple().Option1[right]->height() / 2));
        click(multiple().Label3[1]);
        settle();
    }
    QVERIFY(WelldoneIfLoaded() && topForm() == WelldoneIfLoaded());
}

// As after an ordering activity: full marks out of four, no quiz scored.
void fullMarksAfterAnActivity()
{
    Module1::Score = 4;
    Module1::QuestionCount = 4;
    Welldone().Show();
    settle();
}

} // namespace

class PrintCertificateTest : public QObject {
    Q_OBJECT
    ScreenFixture fx;
    QRectF area;

private slots:
    void initTestCase() { TERRALORE_SKIP_WITHOUT_PRINTER(); }
    void init()
    {
        fx.reset();
        area = printableArea();
    }

    void textsAtTheirPlaces_data();
    void textsAtTheirPlaces();
    void frameOfRectangles();
    void onePageOnAnyPaper_data();
    void onePageOnAnyPaper();
};

void PrintCertificateTest::textsAtTheirPlaces_data()
{
    QTest::addColumn<bool>("quiz");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("score");
    QTest::newRow("quiz, named") << true << QStringLiteral("Megan Pritchard") << QStringLiteral("10 out of 10.");
    QTest::newRow("quiz, no name") << true << QString() << QStringLiteral("10 out of 10.");
    QTest::newRow("ordering activity") << false << QStringLiteral("Tom") << QStringLiteral("4 out of 4.");
}

void PrintCertificateTest::textsAtTheirPlaces()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    QFETCH(bool, quiz);
    QFETCH(QString, name);
    QFETCH(QString, score);
    if (quiz)
        fullMarksThroughTheQuiz();
    else
        fullMarksAfterAnActivity();
    QCOMPARE(Welldone().Label3[0]->Caption(), QStringLiteral("Print Certificate"));
    QTest::keyClicks(Welldone().Text1, name);
    click(Welldone().Label3[0]);
    settle();
    QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your certificate is now printing.")});
    QCOMPARE(topForm(), WelldoneIfLoaded());

    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    QCOMPARE(pages.size(), 1);
    const PdfPage &page = pages.first();
    const double centre = area.center().x();

    // Top to bottom: banner, title, heading (quiz only), "Excellent Work",
    // name, score sentence, banner.
    QList<PdfLine> lines = page.lines();
    QStringList texts;
    for (const PdfLine &line : lines)
        texts << line.text;
    QStringList expected;
    const QString banner = QStringLiteral("Well Done Well Done Well Done Well Done");
    expected << banner << QStringLiteral("Terralore");
    if (quiz)
        expected << QStringLiteral("Terralore");
    expected << QStringLiteral("Excellent Work");
    if (!name.isEmpty())
        expected << name;
    expected << QStringLiteral("You have scored ") + score << banner;
    QCOMPARE(texts, expected);

    for (const PdfLine &line : lines) {
        if (line.text == banner) {
            // From the left edge after the band's three spaces; what does not
            // fit is cut off, so each band shows once.
            Ruler ruler;
            const double start = area.left() + twipsToPoints(ruler.width(25, QStringLiteral("   ")));
            QVERIFY2(std::abs(line.box.left() - start) < 1.0, qPrintable(QString::number(line.box.left())));
            QVERIFY(line.box.right() <= area.right());
            continue;
        }
        QVERIFY2(std::abs(line.box.center().x() - centre) < kCentred,
                 qPrintable(
                     QStringLiteral("%1 centred at %2, not %3").arg(line.text).arg(line.box.center().x()).arg(centre)));
    }
    // Lines lie where the printer model puts them: between two lines in the
    // same size, the PDF's distance is the model's.
    RecordingPrintSurface model(QSizeF(area.width() * 20, area.height() * 20));
    layOutCertificate(model, {Module1::CertificateHeading, name, Module1::Score, Module1::QuestionCount, 0});
    QList<PrintRecord> inked;
    for (const PrintRecord &r : textRecords(model)) {
        if (!r.text.trimmed().isEmpty())
            inked << r;
    }
    QCOMPARE(inked.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QVERIFY(inked.at(i).text.simplified().startsWith(lines.at(i).text));
        for (qsizetype j = 0; j < i; ++j) {
            if (inked.at(j).fontSize != inked.at(i).fontSize)
                continue;
            const double pdfDistance = lines.at(i).box.top() - lines.at(j).box.top();
            const double modelDistance = twipsToPoints(inked.at(i).y - inked.at(j).y);
            QVERIFY2(std::abs(pdfDistance - modelDistance) < 0.5,
                     qPrintable(QStringLiteral("%1 to %2: %3 pt, not %4")
                                    .arg(lines.at(j).text, lines.at(i).text)
                                    .arg(pdfDistance)
                                    .arg(modelDistance)));
        }
    }
}

void PrintCertificateTest::frameOfRectangles()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    fullMarksThroughTheQuiz();
    QTest::keyClicks(Welldone().Text1, QStringLiteral("Megan"));
    click(Welldone().Label3[0]);
    settle();
    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);

    // At 288 dpi a pixel is 5 twips; lines sit 45 twips apart.
    const int dpi = 288;
    const double w = area.width() * 20;
    const double h = area.height() * 20;
    const double within = 0.4; // points
    auto verticalsAt = [&](double yTwips, double fromTwips, double toTwips) {
        const QRectF strip(area.left() + twipsToPoints(fromTwips), area.top() + twipsToPoints(yTwips),
                           twipsToPoints(toTwips - fromTwips), 72.0 / dpi);
        QList<double> found;
        for (double x : darkRunCentres(renderPdfArea(pdf, 1, strip, dpi), dpi))
            found << (x * 20 + fromTwips);
        return found;
    };
    auto matches = [&](const QList<double> &found, const QList<double> &wanted) {
        if (found.size() != wanted.size())
            return false;
        for (qsizetype i = 0; i < wanted.size(); ++i) {
            if (std::abs(found.at(i) - wanted.at(i)) > within * 20)
                return false;
        }
        return true;
    };
    auto describe = [](const QList<double> &xs) {
        QStringList parts;
        for (double x : xs)
            parts << QString::number(x, 'f', 0);
        return parts.join(QLatin1Char(' '));
    };

    // Across the middle of the inner rectangles: five outer and three inner
    // sides at each edge.
    const double inner = (270 + 7050 + h - 270 - 3750) / 2;
    const QList<double> leftWanted = {45, 90, 135, 180, 225, 645, 690, 735};
    QList<double> rightWanted;
    for (auto it = leftWanted.crbegin(); it != leftWanted.crend(); ++it)
        rightWanted << w - *it;
    const QList<double> left = verticalsAt(inner, 0, 1000);
    const QList<double> right = verticalsAt(inner, w - 1000, w);
    QVERIFY2(matches(left, leftWanted), qPrintable(describe(left)));
    QVERIFY2(matches(right, rightWanted), qPrintable(describe(right)));
    // Above them only the five outer sides.
    const QList<double> upper = verticalsAt(5000, 0, 1000);
    QVERIFY2(matches(upper, leftWanted.mid(0, 5)), qPrintable(describe(upper)));

    // Down a column inside the outer rectangles, left of the band's text:
    // five outer tops at 270..450 twips and five bottoms.
    const QRectF column(area.left() + twipsToPoints(300), area.top(), 72.0 / dpi, area.height());
    QList<double> ys;
    for (double y : darkRunCentres(renderPdfArea(pdf, 1, column, dpi), dpi))
        ys << y * 20;
    const QList<double> yWanted = {270, 315, 360, 405, 450, h - 450, h - 405, h - 360, h - 315, h - 270};
    QVERIFY2(matches(ys, yWanted), qPrintable(describe(ys)));
}

void PrintCertificateTest::onePageOnAnyPaper_data()
{
    QTest::addColumn<QString>("queue"); // after the default queue's name
    QTest::addColumn<QString>("paper");
    QTest::newRow("A4") << ""
                        << "A4";
    QTest::newRow("Letter") << ""
                            << "Letter";
    QTest::newRow("A5") << ""
                        << "A5";
    QTest::newRow("A4, half-inch margins") << "Margins"
                                           << "A4";
    QTest::newRow("Letter, half-inch margins") << "Margins"
                                               << "Letter";
    QTest::newRow("A5, half-inch margins") << "Margins"
                                           << "A5";
}

// Whatever the paper and its margins, the whole certificate lands on one
// page inside the printable area.
void PrintCertificateTest::onePageOnAnyPaper()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    QFETCH(QString, queue);
    QFETCH(QString, paper);
    const QString home = defaultQueue();
    const QString printer = home + queue;
    const QString homePaper = QPrinterInfo::defaultPrinter().defaultPageSize().key();
    QueueChange chosen(QStringLiteral("lpadmin"), {QStringLiteral("-d"), printer}, QStringLiteral("lpadmin"),
                       {QStringLiteral("-d"), home});
    QueueChange loaded(QStringLiteral("lpadmin"),
                       {QStringLiteral("-p"), printer, QStringLiteral("-o"), QStringLiteral("PageSize=") + paper},
                       QStringLiteral("lpadmin"),
                       {QStringLiteral("-p"), printer, QStringLiteral("-o"), QStringLiteral("PageSize=") + homePaper});
    if (!chosen.ok() || !loaded.ok())
        QSKIP("The default printer and its paper cannot be changed here (lpadmin needs root)");
    QCOMPARE(defaultQueue(), printer);
    const QRectF printable = printableArea();

    fullMarksAfterAnActivity();
    QTest::keyClicks(Welldone().Text1, QStringLiteral("Megan Pritchard"));
    click(Welldone().Label3[0]);
    settle();
    QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your certificate is now printing.")});
    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    QCOMPARE(pages.size(), 1);
    QStringList texts;
    for (const PdfLine &line : pages.first().lines()) {
        texts << line.text;
        // The bands run on past the right edge, where they are cut off.
        QRectF box = line.box;
        if (line.text.startsWith(QStringLiteral("Well Done")))
            box.setRight(printable.right());
        QVERIFY2(printable.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box),
                 qPrintable(line.text + QStringLiteral(" lies outside the printable area")));
    }
    // The bands are cut at the right edge, so how many "Well Done" show
    // depends on the paper's width.
    QCOMPARE(texts.size(), 6);
    QVERIFY(texts.first().startsWith(QStringLiteral("Well Done Well Done")));
    QVERIFY(texts.last().startsWith(QStringLiteral("Well Done Well Done")));
    QCOMPARE(texts.mid(1, 4),
             (QStringList{QStringLiteral("Terralore"), QStringLiteral("Excellent Work"),
                          QStringLiteral("Megan Pritchard"), QStringLiteral("You have scored 4 out of 4.")}));
}

QTEST_MAIN(PrintCertificateTest)
#include "tst_printcertificate.moc"
