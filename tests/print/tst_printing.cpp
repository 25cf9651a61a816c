// Printing by a click on the default printer (tests/print/cups-setup.sh): each
// document read back from its PDF, and each way printing can fail: one
// message and nothing else, and with the fault gone the same entry prints.
#include "PagerTesting.h"
#include "PdfPages.h"

#include "PagePrinting.h"
#include "QuizResults.h"
#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "ScienceHub.h"
#include "picture/Picture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

#include <cups/cups.h>

#include <algorithm>
#include <memory>

using namespace terralore;
using namespace terralore::test;

namespace {

#define TERRALORE_SKIP_WITHOUT_PRINTER()                                                                               \
    if (QPrinterInfo::defaultPrinter().isNull())                                                                       \
    QSKIP("No default CUPS printer: run tests/print/cups-setup.sh start (as root) first")

QString defaultQueue()
{
    return QPrinterInfo::defaultPrinterName().section(QLatin1Char('/'), 0, 0);
}

// Runs a command (cupsreject, lpadmin...); true when it succeeded.
bool run(const QStringList &command)
{
    QProcess process;
    process.start(command.first(), command.mid(1));
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Where cups-pdf writes: what cups-setup.sh start printed, or its default.
QString pdfFolder()
{
    return qEnvironmentVariable("TERRALORE_PDF_DIR", QStringLiteral("/var/spool/cups-pdf/terralore"));
}

// The printable area of the default printer's page, in points from the top
// left of the page: the program's twip origin is its top left corner.
QRectF printableArea()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(info.defaultPageSize());
    return printer.pageLayout().paintRectPoints();
}

// The ids of the spooler's jobs: all, or only those completed.
QList<int> jobIds(bool completedOnly = false)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs(&jobs, nullptr, 0, completedOnly ? CUPS_WHICHJOBS_COMPLETED : CUPS_WHICHJOBS_ALL);
    QList<int> ids;
    for (int i = 0; i < count; ++i)
        if (!completedOnly || jobs[i].state == IPP_JSTATE_COMPLETED)
            ids << jobs[i].id;
    cupsFreeJobs(count, jobs);
    return ids;
}

int newestJobId()
{
    const QList<int> ids = jobIds();
    return ids.isEmpty() ? 0 : *std::max_element(ids.begin(), ids.end());
}

// The words of the job the spooler took after the job numbered after, read
// from its PDF once the spooler has completed it; empty if no such job shows
// up or completes within a minute. The spooler numbers jobs in the order it
// takes them, and these tests print one job at a time (RUN_SERIAL).
QList<PdfPage> pagesOfJobAfter(int after)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        const int job = newestJobId();
        const QDir folder(pdfFolder());
        const QStringList found = folder.entryList({QStringLiteral("*-job_%1.pdf").arg(job)}, QDir::Files);
        if (job > after && jobIds(true).contains(job) && !found.isEmpty())
            return readPdfWords(folder.filePath(found.first()));
        QTest::qWait(100);
    }
    return {};
}

// A change to the default queue (cupsdisable, lpadmin -o ...) made for one
// test and undone when it goes out of scope. Needs root or lpadmin rights.
class QueueChange {
public:
    QueueChange(const QStringList &change, QStringList undo) : m_undo(std::move(undo)), m_ok(run(change)) {}
    ~QueueChange()
    {
        if (m_ok)
            run(m_undo);
    }
    QueueChange(const QueueChange &) = delete;
    QueueChange &operator=(const QueueChange &) = delete;
    bool ok() const { return m_ok; }

private:
    QStringList m_undo;
    bool m_ok;
};

// The screen that prints a document, reached as its user does, and its Print
// entry: the certificate after full marks, the rocks worksheet, or the first
// page of the rocks key facts ("notes", as a hub opens them) or the "guide".
struct PrintingScreen {
    QWidget *screen;
    Label *print;
};

PrintingScreen reachPrint(const QString &document)
{
    PrintingScreen found{};
    if (document == QLatin1String("certificate")) {
        session().progress.score = 4;
        session().progress.questionCount = 4;
        resultsScreen().showForActivity();
        settle();
        QTest::keyClicks(resultsScreen().nameBox, QStringLiteral("Megan Pritchard"));
        found = {&resultsScreen(), resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]};
    } else if (document == QLatin1String("worksheet") || document == QLatin1String("answer key")) {
        scienceHub().Show();
        click(scienceHub().entryButtons[Hub::QuizEntry]);
        found = {&quizScreen(),
                 quizScreen().entryButtons[document == QLatin1String("worksheet") ? QuizScreen::PrintEntry
                                                                                  : QuizScreen::PrintAnswerKeyEntry]};
    } else if (document == QLatin1String("notes")) {
        notesPager().showPageSet(QStringLiteral("key science"), 2);
        found = {&notesPager(), notesPager().entryButtons[Pager::PrintEntry]};
    } else {
        mainMenu().Show();
        click(mainMenu().entryButtons[MainMenu::GuideEntry]);
        found = {&guidePager(), guidePager().entryButtons[Pager::PrintEntry]};
    }
    settle();
    return found;
}

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

// Prints from the screen and reads the job back: the lines of every page, and
// those outside the printable area (cut off at its right edge, as the paper is).
struct Printed {
    QWidget *screen;
    QList<PdfPage> pages;
    QStringList lines, outside;
};

Printed print(const QString &document)
{
    const PrintingScreen reached = reachPrint(document);
    const int before = newestJobId();
    click(reached.print);
    settle();
    Printed printed{reached.screen, pagesOfJobAfter(before), {}, {}};
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

const QString kPrinterProblem = QStringLiteral("There was a problem printing to your printer.");

// One way for printing to fail, undone when it goes out of scope.
class Fault {
public:
    explicit Fault(const QString &kind)
    {
        const QString queue = defaultQueue();
        if (kind == QLatin1String("no scheduler")) {
            // As if CUPS were not running: this process talks to a socket
            // nobody listens on.
            cupsSetServer("/nonexistent/terralore-cups.sock");
        } else if (kind == QLatin1String("queue stopped")) {
            m_change = std::make_unique<QueueChange>(QStringList{QStringLiteral("cupsdisable"), queue},
                                                     QStringList{QStringLiteral("cupsenable"), queue});
        } else {
            m_change = std::make_unique<QueueChange>(QStringList{QStringLiteral("cupsreject"), queue},
                                                     QStringList{QStringLiteral("cupsaccept"), queue});
        }
    }
    ~Fault() { cupsSetServer(nullptr); }
    bool ok() const { return !m_change || m_change->ok(); }

private:
    std::unique_ptr<QueueChange> m_change;
};

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
    ScreenFixture fx;

private slots:
    void initTestCase() { TERRALORE_SKIP_WITHOUT_PRINTER(); }
    void init() { fx.reset(); }

    void certificateOnOnePageOfAnyPaper_data()
    {
        QTest::addColumn<QString>("queue"); // after the default queue's name
        QTest::addColumn<QString>("paper");
        for (const char *size : {"A4", "Letter", "A5"}) {
            QTest::newRow(size) << "" << size;
            QTest::newRow((QByteArray(size) + ", half-inch margins").constData()) << "Margins" << size;
        }
    }

    void certificateOnOnePageOfAnyPaper()
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

    void worksheetWholeAndInOrder_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<int>("pageCount");
        QTest::newRow("worksheet, A4: one page") << "worksheet"
                                                 << "A4" << 1;
        QTest::newRow("worksheet, A5: runs on to a second page") << "worksheet"
                                                                 << "A5" << 2;
        for (const char *size : {"A4", "Letter", "A5"})
            QTest::newRow(("answer key, " + QByteArray(size) + ": one page").constData()) << "answer key" << size << 1;
    }

    // The header, both titles, then each question with its four answers (in
    // the answer key the right one ticked, and the key at the foot): nothing
    // lost at a page break, nothing doubled, nothing outside the printable area.
    void worksheetWholeAndInOrder()
    {
        QFETCH(QString, document);
        QFETCH(QString, paper);
        QFETCH(int, pageCount);
        TERRALORE_CHOOSE_PAPER(QString(), paper);
        const bool key = document == QLatin1String("answer key");
        const Printed printed = print(document);
        QCOMPARE(shownPrompts(), QStringList{QStringLiteral("Your %1 is now printing.").arg(document)});
        QCOMPARE(topForm(), quizScreenIfLoaded());
        QCOMPARE(printed.outside, QStringList());
        QCOMPARE(printed.pages.size(), pageCount);
        QStringList expected{QStringLiteral("Terralore Quillmere Publishing Ltd"),
                             quizScreen().productHeading->Caption(), quizScreen().quizTitle->Caption()};
        QStringList answers;
        for (std::size_t q = 1; q <= 10; ++q) {
            const QuizQuestion &question = session().quiz.questions[q - 1];
            const int right = answerOption(question.answer);
            QStringList o;
            for (int j = 0; j < 4; ++j)
                o << (key && right == j + 1 ? QStringLiteral("\u2714 ") : QString()) + QChar(u'A' + j) +
                         QStringLiteral(". ") + question.options[std::size_t(j)];
            answers << QStringLiteral("%1 %2").arg(q).arg(QChar(u'A' + right - 1));
            expected << (QStringLiteral("Question %1 ").arg(q) + question.text).simplified()
                     << (o[0] + u' ' + o[1]).simplified() << (o[2] + u' ' + o[3]).simplified();
        }
        if (key)
            expected << QStringLiteral("Answers: ") + answers.join(u' ');
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
    void pagePrintsItsPrintCopyAsVectors()
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

    void failureShowsOneMessageAndNothingElse_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("document");
        for (const char *fault : {"no scheduler", "queue stopped", "queue refusing jobs"})
            for (const char *document : {"certificate", "worksheet", "guide"})
                QTest::newRow((QByteArray(fault) + ", " + document).constData())
                    << QString::fromLatin1(fault) << QString::fromLatin1(document);
    }

    void failureShowsOneMessageAndNothingElse()
    {
        QFETCH(QString, fault);
        QFETCH(QString, document);
        const PrintingScreen reached = reachPrint(document);
        if (document == QLatin1String("guide")) {
            clickEntries(guidePager(), QStringLiteral("N"));
            settle();
        }
        QCOMPARE(topForm(), reached.screen);
        const int newestJob = newestJobId();
        const QStringList spoolBefore = QDir::temp().entryList({QStringLiteral("terralore-print-*")});
        {
            Fault broken(fault);
            if (!broken.ok())
                QSKIP("The queue cannot be changed here (cupsdisable and cupsreject need root)");
            click(reached.print);
            settle();
        }

        QCOMPARE(shownPrompts(), QStringList{kPrinterProblem});
        // Nothing else: the same screen on top as it was, no job with the
        // spooler, no spool file left behind, what was typed or paged kept.
        QCOMPARE(topForm(), reached.screen);
        QCOMPARE(newestJobId(), newestJob);
        QCOMPARE(QDir::temp().entryList({QStringLiteral("terralore-print-*")}), spoolBefore);
        if (document == QLatin1String("certificate")) {
            QCOMPARE(resultsScreen().nameBox->Text(), QStringLiteral("Megan Pritchard"));
            QCOMPARE(resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]->Caption(),
                     QStringLiteral("Print Certificate"));
        } else if (document == QLatin1String("guide")) {
            QCOMPARE(guidePager().pageCounterLine->Caption(), QStringLiteral("Page 2 of 5"));
        }

        // With the fault gone, the same entry prints.
        fakeServices().messages.clear();
        click(reached.print);
        settle();
        QVERIFY(newestJobId() > newestJob);
        QVERIFY(!shownPrompts().contains(kPrinterProblem));
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
