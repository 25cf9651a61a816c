#pragma once

// What the printing tests share: the default printer (a cups-pdf queue made
// by tests/print/cups-setup.sh), the folder its PDFs land in, the printable
// area the program prints into, and waiting for a job's PDF.

#include "PdfPages.h"
#include "PrinterSurface.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

#include <cups/cups.h>

namespace terralore::test {

inline bool haveDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

#define TERRALORE_SKIP_WITHOUT_PRINTER()                                                                               \
    if (!haveDefaultPrinter())                                                                                         \
    QSKIP("No default CUPS printer: run tests/print/cups-setup.sh start (as root) first")

inline QString defaultQueue()
{
    return QPrinterInfo::defaultPrinterName().section(QLatin1Char('/'), 0, 0);
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

// The PDF of a job, once the spooler has completed it; empty until then.
inline QString completedJobPdf(int job)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs(&jobs, nullptr, 0, CUPS_WHICHJOBS_COMPLETED);
    bool done = false;
    for (int i = 0; i < count; ++i)
        done = done || (jobs[i].id == job && jobs[i].state == IPP_JSTATE_COMPLETED);
    cupsFreeJobs(count, jobs);
    if (!done)
        return QString();
    const QStringList found =
        QDir(pdfFolder()).entryList({QStringLiteral("*-job_%1.pdf").arg(job)}, QDir::Files, QDir::Time);
    return found.isEmpty() ? QString() : QDir(pdfFolder()).filePath(found.first());
}

// The highest job id the spooler knows, finished or not.
inline int newestJobId()
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs(&jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return newest;
}

// Runs an administration command on the queue (cupsreject, lpadmin...).
inline bool queueCommand(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A change to the default queue (cupsdisable, lpadmin -o ...) made for one
// test and undone when it goes out of scope. Needs root or lpadmin rights.
class QueueChange {
public:
    QueueChange(const QString &program, const QStringList &arguments, const QString &undoProgram,
                const QStringList &undoArguments)
        : m_undoProgram(undoProgram), m_undoArguments(undoArguments)
    {
        m_ok = queueCommand(program, arguments);
    }
    ~QueueChange()
    {
        if (m_ok)
            queueCommand(m_undoProgram, m_undoArguments);
    }
    QueueChange(const QueueChange &) = delete;
    QueueChange &operator=(const QueueChange &) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_undoProgram;
    QStringList m_undoArguments;
    bool m_ok = false;
};

} // namespace terralore::test

// Waits for the last job's PDF and reads its words into `pages`.
#define TERRALORE_READ_LAST_JOB(pdf, pages)                                                                            \
    QVERIFY(PrinterSurface::lastJobId() > 0);                                                                          \
    QTRY_VERIFY_WITH_TIMEOUT(!(pdf = completedJobPdf(PrinterSurface::lastJobId())).isEmpty(), 60000);                  \
    pages = readPdfWords(pdf);                                                                                         \
    QVERIFY(!pages.isEmpty())
