#pragma once

// What the printing tests share: the default printer (a cups-pdf queue made
// by tests/print/cups-setup.sh), the folder its PDFs land in, the printable
// area the program prints into, reaching each document's Print entry as its
// user does, and reading a job back from its PDF.

#include "PagerTesting.h"
#include "PdfPages.h"
#include "PrinterSurface.h"

#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "ScienceHub.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

#include <cups/cups.h>

#include <algorithm>

namespace terralore::test {

#define TERRALORE_SKIP_WITHOUT_PRINTER()                                                                               \
    if (QPrinterInfo::defaultPrinter().isNull())                                                                       \
    QSKIP("No default CUPS printer: run tests/print/cups-setup.sh start (as root) first")

inline QString defaultQueue()
{
    return QPrinterInfo::defaultPrinterName().section(QLatin1Char('/'), 0, 0);
}

// Runs a command (cupsreject, lpadmin...); true when it succeeded.
inline bool run(const QStringList &command)
{
    QProcess process;
    process.start(command.first(), command.mid(1));
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Where cups-pdf writes: TERRALORE_PDF_DIR, else what the set-up script says.
inline QString pdfFolder()
{
    const QString given = qEnvironmentVariable("TERRALORE_PDF_DIR");
    if (!given.isEmpty())
        return given;
    QProcess script;
    script.start(QStringLiteral("sh"), {QStringLiteral(TERRALORE_PRINT_SCRIPT), QStringLiteral("out")});
    script.waitForFinished(10000);
    return QString::fromLocal8Bit(script.readAllStandardOutput()).trimmed();
}

// The printable area of the default printer's page, in points from the top
// left of the page: the program's twip origin is its top left corner.
inline QRectF printableArea()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(info.defaultPageSize());
    return printer.pageLayout().paintRectPoints();
}

// The ids of the spooler's jobs: all, or only those completed.
inline QList<int> jobIds(bool completedOnly = false)
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

inline int newestJobId()
{
    const QList<int> ids = jobIds();
    return ids.isEmpty() ? 0 : *std::max_element(ids.begin(), ids.end());
}

// The words of the program's last job, read from its PDF once the spooler
// has completed it; empty if that takes over a minute.
inline QList<PdfPage> lastJobPages()
{
    const int job = PrinterSurface::lastJobId();
    const QString pattern = QStringLiteral("*-job_%1.pdf").arg(job);
    QElapsedTimer waited;
    waited.start();
    while (job > 0 && waited.elapsed() < 60000) {
        const QDir folder(pdfFolder());
        const QStringList found = folder.entryList({pattern}, QDir::Files);
        if (jobIds(true).contains(job) && !found.isEmpty())
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
// entry: the certificate after full marks, the rocks worksheet, or a page of
// the "notes" or the "guide".
struct PrintingScreen {
    QWidget *screen;
    Label *print;
};

inline PrintingScreen reachPrint(const QString &document)
{
    PrintingScreen found{};
    if (document == QLatin1String("certificate")) {
        session().progress.score = 4;
        session().progress.questionCount = 4;
        resultsScreen().Show();
        settle();
        QTest::keyClicks(resultsScreen().nameBox, QStringLiteral("Megan Pritchard"));
        found = {&resultsScreen(), resultsScreen().entryButtons[ResultsScreen::CertificateOrWrongAnswersEntry]};
    } else if (document == QLatin1String("worksheet")) {
        scienceHub().Show();
        click(scienceHub().entryButtons[Hub::QuizEntry]);
        found = {&quizScreen(), quizScreen().entryButtons[QuizScreen::PrintEntry]};
    } else {
        Pager &pager = openPager(document);
        found = {&pager, pager.entryButtons[Print]};
    }
    settle();
    return found;
}

} // namespace terralore::test
