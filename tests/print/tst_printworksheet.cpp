#include "PrintTest.h"
#include "ScreenTest.h"

#include "WorksheetLayout.h"
#include "multiple.h"
#include "science.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// Points a printed text may sit from where the model puts it: a few twips
// of rounding between the printer's metrics and the PDF's.
constexpr double kNear = 0.5;

void openTheScienceQuiz()
{
    science().Show();
    click(science().Label3[0]);
    settle();
    QVERIFY(multipleIfLoaded() && topForm() == multipleIfLoaded());
}

QString near(double found, double wanted)
{
    return std::abs(found - wanted) < kNear ? QString() : QStringLiteral("at %1, not %2").arg(found).arg(wanted);
}

// Loads other paper into the default printer for one test.
QStringList paperOption(const QString &size)
{
    return {QStringLiteral("-p"), defaultQueue(), QStringLiteral("-o"), QStringLiteral("PageSize=") + size};
}

} // namespace

class PrintWorksheetTest : public QObject {
    Q_OBJECT
    ScreenFixture fx;

private slots:
    void initTestCase() { TERRALORE_SKIP_WITHOUT_PRINTER(); }
    void init() { fx.reset(); }

    void everyTextAtItsPlace();
    void aLongWorksheetContinuesOnASecondPage();
    void longAnswersRunOnAndAreCutAtTheEdge();
};

void PrintWorksheetTest::everyTextAtItsPlace()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    openTheScienceQuiz();
    click(multiple().Label3[3]);
    settle();
    QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your worksheet is now printing.")});
    QCOMPARE(topForm(), multipleIfLoaded());

    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    QCOMPARE(pages.size(), 1);
    const QRectF area = printableArea();
    const double w = area.width();
    const QList<PdfLine> lines = pages.first().lines();
    QCOMPARE(lines.size(), 3 + 3 * 10);

    // The header: the product title at W/16, the publisher after 57 spaces.
    Ruler ruler;
    const PdfLine &header = lines.at(0);
    QCOMPARE(header.text, QStringLiteral("Terralore Quillmere Publishing Ltd"));
    QVERIFY2(near(header.box.left(), area.left() + w / 16).isEmpty(),
             qPrintable(near(header.box.left(), area.left() + w / 16)));
    const double publisher =
        area.left() + w / 16 +
        twipsToPoints(ruler.width(16, QStringLiteral("Terralore") + QString(57, QLatin1Char(' '))));
    QVERIFY(std::abs(header.words.at(1).box.left() - publisher) < 1.0);

    // The two titles, each centred on its own width.
    QCOMPARE(lines.at(1).text, multiple().Label5->Caption());
    QCOMPARE(lines.at(2).text, multiple().Label6->Caption());
    for (int i : {1, 2})
        QVERIFY2(near(lines.at(i).box.center().x(), area.center().x()).isEmpty(),
                 qPrintable(lines.at(i).text + near(lines.at(i).box.center().x(), area.center().x())));

    // Each question at W/16, its answers in columns at W/3 and 2W/3.
    for (int q = 1; q <= 10; ++q) {
        const PdfLine &question = lines.at(3 * q);
        const PdfLine &ab = lines.at(3 * q + 1);
        const PdfLine &cd = lines.at(3 * q + 2);
        const QString which = QStringLiteral("question %1: ").arg(q);
        QCOMPARE(question.text,
                 (QStringLiteral("Question %1 ").arg(q) + Module1::QuestionText[std::size_t(q)]).simplified());
        QVERIFY2(near(question.box.left(), area.left() + w / 16).isEmpty(), qPrintable(which));
        QCOMPARE(ab.text, (QStringLiteral("A. ") + Module1::OptionA[std::size_t(q)] + QStringLiteral(" B. ") +
                           Module1::OptionB[std::size_t(q)])
                              .simplified());
        QCOMPARE(cd.text, (QStringLiteral("C. ") + Module1::OptionC[std::size_t(q)] + QStringLiteral(" D. ") +
                           Module1::OptionD[std::size_t(q)])
                              .simplified());
        for (const PdfLine *pair : {&ab, &cd}) {
            const QString first = pair->words.first().text;
            QVERIFY2(near(pair->words.first().box.left(), area.left() + w / 3).isEmpty(), qPrintable(which + first));
            auto second = std::find_if(pair->words.cbegin(), pair->words.cend(), [&](const PdfWord &word) {
                return word.text == (first == QLatin1String("A.") ? QLatin1String("B.") : QLatin1String("D."));
            });
            QVERIFY(second != pair->words.cend());
            QVERIFY2(near(second->box.left(), area.left() + 2 * w / 3).isEmpty(),
                     qPrintable(which + near(second->box.left(), area.left() + 2 * w / 3)));
        }
    }
}

void PrintWorksheetTest::aLongWorksheetContinuesOnASecondPage()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    // Ten questions fit on A4; on A5 they run over.
    QueueChange paper(QStringLiteral("lpadmin"), paperOption(QStringLiteral("A5")), QStringLiteral("lpadmin"),
                      paperOption(QPrinterInfo::defaultPrinter().defaultPageSize().key()));
    if (!paper.ok())
        QSKIP("The queue's paper size cannot be changed here (lpadmin needs root)");
    openTheScienceQuiz();
    click(multiple().Label3[3]);
    settle();
    QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your worksheet is now printing.")});

    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    QCOMPARE(pages.size(), 2);
    const QRectF area = printableArea();
    QVERIFY(area.height() < 600);
    QStringList questions;
    for (const PdfPage &page : pages) {
        const QList<PdfLine> lines = page.lines();
        QVERIFY(!lines.isEmpty());
        for (const PdfLine &line : lines) {
            QVERIFY2(line.box.bottom() <= area.bottom(), qPrintable(line.text));
            if (line.words.first().text == QLatin1String("Question"))
                questions << line.words.at(1).text;
        }
    }
    // Nothing lost at the break, nothing doubled: 1 to 10 in order, and the
    // second page starts at the top with what did not fit.
    QStringList wanted;
    for (int q = 1; q <= 10; ++q)
        wanted << QString::number(q);
    QCOMPARE(questions, wanted);
    const PdfLine top = pages.at(1).lines().first();
    QVERIFY2(top.box.top() - area.top() < 12, qPrintable(QString::number(top.box.top())));
}

void PrintWorksheetTest::longAnswersRunOnAndAreCutAtTheEdge()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    openTheScienceQuiz();
    // The worksheet prints the loaded quiz as it stands.
    Module1::OptionA[3] = QStringLiteral("Igneous rock from magma that cooled slowly underground");
    Module1::OptionD[3] = QStringLiteral("Metamorphic rock that was once mudstone and now splits into thin flat sheets "
                                         "for the roofs of houses and chapels all over the valleys");
    click(multiple().Label3[3]);
    settle();
    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    const QRectF area = printableArea();
    const QList<PdfLine> lines = pages.first().lines();
    const PdfLine &ab = lines.at(3 * 3 + 1);
    const PdfLine &cd = lines.at(3 * 3 + 2);

    // A runs on into the B column; B still starts at 2W/3, uncut.
    QCOMPARE(ab.words.first().text, QStringLiteral("A."));
    // (The two overlap, so their words interleave from left to right.)
    QStringList words;
    for (const PdfWord &word : ab.words)
        words << word.text;
    for (const QString &word : Module1::OptionA[3].split(QLatin1Char(' ')))
        QVERIFY2(words.contains(word), qPrintable(word));
    auto b = std::find_if(ab.words.cbegin(), ab.words.cend(), [](const PdfWord &w) { return w.text == "B."; });
    QVERIFY(b != ab.words.cend());
    QVERIFY(std::abs(b->box.left() - (area.left() + 2 * area.width() / 3)) < kNear);
    Ruler ruler;
    QVERIFY(area.width() / 3 + twipsToPoints(ruler.width(12, QStringLiteral("A. ") + Module1::OptionA[3])) >
            2 * area.width() / 3);

    // D runs past the right edge: ink reaches the edge, the margin stays white.
    const int dpi = 144;
    const QRectF inside(area.right() - 6, cd.box.top(), 6, cd.box.height());
    const QRectF margin(area.right() + 0.5, cd.box.top(), 6, cd.box.height());
    auto inkIn = [&](const QRectF &box) {
        const QImage image = renderPdfArea(pdf, 1, box, dpi);
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
        }
        return dark;
    };
    QVERIFY(inkIn(inside) > 0);
    QCOMPARE(inkIn(margin), 0);
    // Not wrapped: the next line is the blank and then question 4.
    QVERIFY(lines.at(3 * 4).text.startsWith(QStringLiteral("Question 4")));
}

QTEST_MAIN(PrintWorksheetTest)
#include "tst_printworksheet.moc"
