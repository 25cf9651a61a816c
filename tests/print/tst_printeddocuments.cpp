// What lands on paper, read back from the PDF the default printer made: the
// certificate, the quiz worksheet and a pager's page, each printed from its
// screen by a click.
#include "PrintTest.h"

#include "PagePrinting.h"
#include "picture/Picture.h"

using namespace terralore;
using namespace terralore::test;

namespace {

// Chooses the default printer (a queue of the set-up script) and its paper
// for one test.
struct Paper {
    Paper(const QString &queueSuffix, const QString &size)
        : home(defaultQueue()), printer(home + queueSuffix),
          chosen({QStringLiteral("lpadmin"), QStringLiteral("-d"), printer},
                 {QStringLiteral("lpadmin"), QStringLiteral("-d"), home}),
          loaded(option(printer, size), option(printer, QPrinterInfo::defaultPrinter().defaultPageSize().key()))
    {}
    static QStringList option(const QString &queue, const QString &size)
    {
        return {QStringLiteral("lpadmin"), QStringLiteral("-p"), queue, QStringLiteral("-o"),
                QStringLiteral("PageSize=") + size};
    }
    QString home, printer;
    QueueChange chosen, loaded;
};

#define TERRALORE_CHOOSE_PAPER(suffix, size)                                                                           \
    Paper loaded(suffix, size);                                                                                        \
    if (!loaded.chosen.ok() || !loaded.loaded.ok())                                                                    \
    QSKIP("The default printer and its paper cannot be changed here (lpadmin needs root)")

// Prints from the screen and reads the job back: the lines of every page,
// and those not inside the printable area. Text that runs on past the right
// edge (the certificate's bands, long answers on narrow paper) is cut off there.
struct Printed {
    QWidget *screen;
    QList<PdfPage> pages;
    QStringList lines, outside;
};

Printed print(const QString &document)
{
    const PrintingScreen reached = reachPrint(document);
    click(reached.print);
    settle();
    Printed printed{reached.screen, lastJobPages(), {}, {}};
    const QRectF printable = printableArea();
    for (const PdfPage &page : std::as_const(printed.pages)) {
        for (const PdfWord &line : page.lines()) {
            printed.lines << line.text;
            QRectF box = line.box;
            box.setRight(std::min(box.right(), printable.right()));
            if (!printable.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box))
                printed.outside << line.text;
        }
    }
    return printed;
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
    QFETCH(QString, queue);
    QFETCH(QString, paper);
    TERRALORE_CHOOSE_PAPER(queue, paper);
    QCOMPARE(defaultQueue(), loaded.printer);
    const Printed printed = print(QStringLiteral("certificate"));
    QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your certificate is now printing.")});
    QCOMPARE(printed.outside, QStringList());
    QCOMPARE(printed.pages.size(), 1);
    // How many "Well Done" a band shows depends on the paper's width.
    QCOMPARE(printed.lines.size(), 6);
    QVERIFY(printed.lines.first().startsWith(QStringLiteral("Well Done Well Done")));
    QVERIFY(printed.lines.last().startsWith(QStringLiteral("Well Done Well Done")));
    QCOMPARE(printed.lines.mid(1, 4),
             (QStringList{"Terralore", "Excellent Work", "Megan Pritchard", "You have scored 4 out of 4."}));
    // Drawn no smaller than the paper needs: laid out from the top, it ends
    // near the foot of its design page (A4 less quarter-inch margins, 559.3
    // by 805.9 points) fitted to the printable area; and its bottom band ends
    // inside the innermost frame, 450 twips up from the printable area's foot.
    const QRectF area = printableArea();
    const double scale = std::min({1.0, area.width() / 559.3, area.height() / 805.9});
    const QRectF bottomBand = printed.pages.first().lines().last().box;
    QVERIFY2(bottomBand.bottom() - area.top() >= 0.9 * 805.9 * scale, qPrintable(QDebug::toString(bottomBand)));
    QVERIFY2(area.bottom() - bottomBand.bottom() >= 22.5 * scale, qPrintable(QDebug::toString(bottomBand)));
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
    QFETCH(QString, paper);
    QFETCH(int, pageCount);
    TERRALORE_CHOOSE_PAPER(QString(), paper);
    const Printed printed = print(QStringLiteral("worksheet"));
    QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your worksheet is now printing.")});
    QCOMPARE(topForm(), quizScreenIfLoaded());
    QCOMPARE(printed.outside, QStringList());
    QCOMPARE(printed.pages.size(), pageCount);
    QStringList expected{QStringLiteral("Terralore Quillmere Publishing Ltd"), quizScreen().productHeading->Caption(),
                         quizScreen().quizTitle->Caption()};
    for (std::size_t q = 1; q <= 10; ++q) {
        const QuizQuestion &question = session().quiz.questions[q - 1];
        const auto &o = question.options;
        expected << (QStringLiteral("Question %1 ").arg(q) + question.text).simplified()
                 << QStringLiteral("A. %1 B. %2").arg(o[0], o[1]).simplified()
                 << QStringLiteral("C. %1 D. %2").arg(o[2], o[3]).simplified();
    }
    // On narrow paper what runs past the right edge is cut off there.
    QCOMPARE(printed.lines.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QVERIFY2(pageCount > 1 ? printed.lines[i].size() > 8 && expected[i].startsWith(printed.lines[i])
                               : printed.lines[i] == expected[i],
                 qPrintable(printed.lines[i]));
}

// A page of the key facts (the guide and the notes print through the same
// pager code): its words come back as text, so the metafile went to the
// printer as vectors, all inside the picture placed at 1000, 1000 twips at
// its own size.
void PrintedDocumentsTest::pagePrintsItsPrintCopyAsVectors()
{
    const Printed printed = print(QStringLiteral("notes"));
    QVERIFY(shownPrompts().isEmpty());
    QCOMPARE(printed.pages.size(), 1);
    const QList<PdfWord> &words = printed.pages.first().words;
    QVERIFY2(words.size() > 20, qPrintable(QString::number(words.size())));
    const QSizeF size = static_cast<Pager *>(printed.screen)->printCopy->picture().sizeTwips() / 20.0;
    const QRectF picture(printableArea().topLeft() + QPointF(50, 50), size);
    for (const PdfWord &word : words)
        QVERIFY2(picture.adjusted(-1, -1, 1, 1).contains(word.box), qPrintable(word.text));
    // Without a print copy nothing goes to the printer.
    const int before = newestJobId();
    QVERIFY(!printPagePicture(Stage::instance().services(), Picture()));
    QCOMPARE(newestJobId(), before);
}

QTEST_MAIN(PrintedDocumentsTest)
#include "tst_printeddocuments.moc"
