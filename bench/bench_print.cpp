// Printing: from the screen's call to the job handed to the spooler, for the
// certificate and for the science quiz's worksheet, on the default printer
// (a CUPS queue; tests/print/cups-setup.sh start makes a cups-pdf one).
// Each run submits a real job. Prints the median of the runs.
//
//   bench_print [RUNS]     (target: 300 ms each)
#include "BenchUtil.h"

#include "FieldReader.h"
#include "MessageBox.h"
#include "Module1.h"
#include "PrinterSurface.h"
#include "QuizPrinting.h"
#include "QuizScreen.h"
#include "ResourcePath.h"
#include "ResultsScreen.h"
#include "Stage.h"

#include <QApplication>
#include <QDir>
#include <QPrinterInfo>

#include <optional>

using namespace terralore;

namespace {

bool loadScienceQuiz()
{
    std::optional<FieldReader> file =
        FieldReader::open(resolveResource(QStringLiteral("multiple\\The Science of Rocks.txt")));
    return file && Module1::LoadQuizFile(*file);
}

// Times one printing call; a run that reports a problem counts as failed.
std::vector<double> timeRuns(int runs, const std::function<void()> &print, const QString &success, int &failures)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        MessageBoxes::clear();
        QElapsedTimer timer;
        timer.start();
        print();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        const QList<ShownMessage> &shown = MessageBoxes::shown();
        if (shown.size() != 1 || shown.first().prompt != success)
            ++failures;
    }
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        std::printf("bench_print: no default printer (run tests/print/cups-setup.sh start); skipped\n");
        return 0;
    }
    QDir::setCurrent(QStringLiteral(TERRALORE_RESOURCES));
    MessageBoxes::setAnswerer([](const ShownMessage &) { return MsgResult::OK; });
    Stage::instance().resize(1024, 768);

    Module1::reset();
    if (!loadScienceQuiz()) {
        std::printf("bench_print: the science quiz could not be read\n");
        return 1;
    }
    Module1::Score = 10;
    Module1::QuestionCount = 10;
    Module1::CertificateHeading = QStringLiteral("Terralore");
    resultsScreen().Text1->setText(QStringLiteral("Megan Pritchard"));
    quizScreen().Label5->setCaption(QStringLiteral("Terralore"));

    int failures = 0;
    // One job first, so fonts and the printer's description are loaded.
    printCertificate(resultsScreen());
    const std::vector<double> certificate = timeRuns(
        runs, [] { printCertificate(resultsScreen()); }, QStringLiteral("Your certificate is now printing."), failures);
    const std::vector<double> worksheet = timeRuns(
        runs, [] { printQuizWorksheet(quizScreen()); }, QStringLiteral("Your worksheet is now printing."), failures);

    std::fprintf(stderr, "Printing on \"%s\", %d runs each, last job %d\n",
                 qPrintable(QPrinterInfo::defaultPrinterName()), runs, PrinterSurface::lastJobId());
    bench::report("certificate: call to job spooled", certificate, 300);
    bench::report("worksheet (10 questions): call to job spooled", worksheet, 300);
    if (failures > 0) {
        std::printf("bench_print: %d runs reported a printing problem\n", failures);
        return 1;
    }
    Stage::instance().unloadAll();
    return 0;
}
