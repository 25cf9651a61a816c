// What lands on paper, read back from the PDF the default printer made: the
// certificate, the quiz worksheet and a pager's page, each printed from its
// screen by a click.
#include "PagerTesting.h"
#include "PrintTest.h"

#include "PagePrinting.h"
#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "ScienceHub.h"
#include "picture/Picture.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// Chooses the default printer (a queue of the set-up script) and its paper
// for one test.
struct Paper {
    Paper(const QString &queueSuffix, const QString &size)
        : home(defaultQueue()), printer(home + queueSuffix),
          chosen(QStringLiteral("lpadmin"), {QStringLiteral("-d"), printer}, QStringLiteral("lpadmin"),
                 {QStringLiteral("-d"), home}),
          loaded(QStringLiteral("lpadmin"), option(printer, size), QStringLiteral("lpadmin"),
                 option(printer, QPrinterInfo::defaultPrinter().defaultPageSize().key()))
    {}
    static QStringList option(const QString &queue, const QString &size)
    {
        return {QStringLiteral("-p"), queue, QStringLiteral("-o"), QStringLiteral("PageSize=") + size};
    }
    bool ok() const { return chosen.ok() && loaded.ok(); }
    QString home, printer;
    QueueChange chosen, loaded;
};

#define TERRALORE_CHOOSE_PAPER(suffix, size)                                                                           \
    Paper loaded(suffix, size);                                                                                        \
    if (!loaded.ok())                                                                                                  \
    QSKIP("The default printer and its paper cannot be changed here (lpadmin needs root)")

// The lines of every page; those not inside the printable area go to outside
// too. Text that runs on past the right edge (the certificate's bands, long
// answers on narrow paper) is cut off there.
QStringList linesOf(const QList<PdfPage> &pages, const QRectF &printable, QStringList &outside)
{
    QStringList texts;
    for (const PdfPage &page : pages) {
        for (const PdfLine &line : page.lines()) {
            texts << line.text;
            QRectF box = line.box;
            box.setRight(std::min(box.right(), printable.right()));
            if (!printable.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box))
                outside << line.text;
        }
    }
    return texts;
}

} // namespace

class PrintedDocumentsTest : public QObject {
    Q_OBJECT
    ScreenFixture fx;

private slots:
    void initTestCase() { TERRALORE_SKIP_WITHOUT_PRINTER(); }
    void init() { fx.reset(); }

    void certificateOnOnePageOfAnyPaper_data();
    void certificateOnOnePageOfAnyPaper();
    void worksheetWholeAndInOrder_data();
    void worksheetWholeAndInOrder();
    void pagePrintsItsPrintCopyAsVectors_data();
    void pagePrintsItsPrintCopyAsVectors();
};

void PrintedDocumentsTest::certificateOnOnePageOfAnyPaper_data()
{
    QTest::addColumn<QString>("queue"); // after the default queue's name
    QTest::addColumn<QString>("paper");
    for (const char *size : {"A4", "Letter", "A5"}) {
        QTest::addRow("%s", size) << "" << size;
        QTest::addRow("%s, half-inch margins", size) << "Margins" << size;
    }
}

void PrintedDocumentsTest::certificateOnOnePageOfAnyPaper()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    QFETCH(QString, queue);
    QFETCH(QString, paper);
    TERRALORE_CHOOSE_PAPER(queue, paper);
    QCOMPARE(defaultQueue(), loaded.printer);
    // Full marks after an ordering activity.
    session().progress.score = 4;
    session().progress.questionCount = 4;
    resultsScreen().Show();
    settle();
    QTest::keyClicks(resultsScreen().nameBox, QStringLiteral("Megan Pritchard"));
    click(resultsScreen().entryButtons[0]);
    settle();
    QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your certificate is now printing.")});
    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    QCOMPARE(pages.size(), 1);
    QStringList outside;
    const QStringList texts = linesOf(pages, printableArea(), outside);
    QCOMPARE(outside, QStringList());
    // How many "Well Done" a band shows depends on the paper's width.
    QCOMPARE(texts.size(), 6);
    QVERIFY(texts.first().startsWith(QStringLiteral("Well Done Well Done")));
    QVERIFY(texts.last().startsWith(QStringLiteral("Well Done Well Done")));
    QCOMPARE(texts.mid(1, 4),
             (QStringList{"Terralore", "Excellent Work", "Megan Pritchard", "You have scored 4 out of 4."}));
}

void PrintedDocumentsTest::worksheetWholeAndInOrder_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("pageCount");
    QTest::newRow("A4: one page") << "A4" << 1;
    QTest::newRow("A5: runs on to a second page") << "A5" << 2;
}

// The header, both titles, then each question with its four answers: nothing
// lost at a page break, nothing doubled, nothing outside the printable area.
void PrintedDocumentsTest::worksheetWholeAndInOrder()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    QFETCH(QString, paper);
    QFETCH(int, pageCount);
    TERRALORE_CHOOSE_PAPER(QString(), paper);
    scienceHub().Show();
    click(scienceHub().entryButtons[0]);
    settle();
    click(quizScreen().entryButtons[3]);
    settle();
    QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your worksheet is now printing.")});
    QCOMPARE(topForm(), quizScreenIfLoaded());
    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    QCOMPARE(pages.size(), pageCount);
    QStringList expected{QStringLiteral("Terralore Quillmere Publishing Ltd"), quizScreen().productHeading->Caption(),
                         quizScreen().quizTitle->Caption()};
    for (std::size_t q = 1; q <= 10; ++q) {
        expected << (QStringLiteral("Question %1 ").arg(q) + session().quiz.questions[q - 1].text).simplified()
                 << (QStringLiteral("A. ") + session().quiz.questions[q - 1].options[0] + QStringLiteral(" B. ") +
                     session().quiz.questions[q - 1].options[1])
                        .simplified()
                 << (QStringLiteral("C. ") + session().quiz.questions[q - 1].options[2] + QStringLiteral(" D. ") +
                     session().quiz.questions[q - 1].options[3])
                        .simplified();
    }
    QStringList outside;
    QStringList lines = linesOf(pages, printableArea(), outside);
    QCOMPARE(outside, QStringList());
    // On narrow paper what runs past the right edge is cut off there.
    if (pageCount > 1) {
        QCOMPARE(lines.size(), expected.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].size() > 8 && expected[i].startsWith(lines[i]), qPrintable(lines[i]));
        return;
    }
    QCOMPARE(lines, expected);
}

void PrintedDocumentsTest::pagePrintsItsPrintCopyAsVectors_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("key facts") << QStringLiteral("notes");
    QTest::newRow("teachers' guide") << QStringLiteral("guide");
}

// The page's words come back as text, so the metafile went to the printer as
// vectors, all inside the picture placed at 1000, 1000 twips at its own size.
void PrintedDocumentsTest::pagePrintsItsPrintCopyAsVectors()
{
    TERRALORE_SKIP_WITHOUT_PRINTER();
    QFETCH(QString, which);
    Pager *pager = &openPager(which);
    settle();
    click(pager->entryButtons[Print]);
    settle();
    QVERIFY(shownPrompts().isEmpty());
    QString pdf;
    QList<PdfPage> pages;
    TERRALORE_READ_LAST_JOB(pdf, pages);
    QCOMPARE(pages.size(), 1);
    const QList<PdfWord> &words = pages.first().words;
    QVERIFY2(words.size() > 20, qPrintable(QString::number(words.size())));
    const QRectF area = printableArea();
    const QSizeF size = pager->printCopy->picture().sizeTwips() / 20.0;
    const QRectF picture(area.topLeft() + QPointF(50, 50), size);
    for (const PdfWord &word : words)
        QVERIFY2(picture.adjusted(-1, -1, 1, 1).contains(word.box), qPrintable(word.text));
    // Without a print copy nothing goes to the printer.
    const int before = newestJobId();
    QVERIFY(!printPagePicture(Stage::instance().services(), Picture()));
    QCOMPARE(newestJobId(), before);
}

QTEST_MAIN(PrintedDocumentsTest)
#include "tst_printeddocuments.moc"
