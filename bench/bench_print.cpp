// Printing: from the screen's call to the job handed to the spooler, for the
// certificate and for the science quiz's worksheet, on the default printer
// (a CUPS queue; tests/print/cups-setup.sh start makes a cups-pdf one).
// Each run submits a real job. Prints the median of the runs.
//
//   bench_print [RUNS]     (target: 300 ms each)
#include "BenchUtil.h"

#include "FakeServices.h"
#include "FieldReader.h"
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
using terralore::test::FakeServices;

namespace {

bool loadScienceQuiz()
{
    std::optional<FieldReader> file =
        FieldReader::open(resolveResource(QStringLiteral("multiple\\The Science of Rocks.txt")));
    return file && loadQuizFile(*file, Stage::instance().session().quiz);
}

// Times one printing call; a run that reports a problem counts as failed.
std::vector<double> timeRuns(int runs, const std::function<void()> &print, const QString &success, int &failures)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        FakeServices &services = static_cast<FakeServices &>(Stage::instance().services());
        services.messages.clear();
        QElapsedTimer timer;
        timer.start();
        print();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (services.messages != QStringList{success})
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
    FakeServices::install();
    Stage::instance().resize(1024, 768);

    if (!loadScienceQuiz()) {
        std::printf("bench_print: the science quiz could not be read\n");
        return 1;
    }
    Session &session = Stage::instance().session();
    session.progress.score = 10;
    session.progress.questionCount = 10;
    session.progress.certificateHeading = QStringLiteral("Terralore");
    // The heading's width as the results screen measures it, near enough.
    const auto certificate = [&session] {
        printCertificate(Stage::instance().services(), session.progress, QStringLiteral("Megan Pritchard"), 1500);
    };
    const auto worksheet = [&session] {
        printQuizWorksheet(Stage::instance().services(), QStringLiteral("Terralore"), session.quiz.title, session.quiz);
    };

    int failures = 0;
    // One job first, so fonts and the printer's description are loaded.
    certificate();
    const std::vector<double> certificateRuns =
        timeRuns(runs, certificate, QStringLiteral("Your certificate is now printing."), failures);
    const std::vector<double> worksheetRuns =
        timeRuns(runs, worksheet, QStringLiteral("Your worksheet is now printing."), failures);

    std::fprintf(stderr, "Printing on \"%s\", %d runs each\n", qPrintable(QPrinterInfo::defaultPrinterName()), runs);
    bench::report("certificate: call to job spooled", certificateRuns, 300);
    bench::report("worksheet (10 questions): call to job spooled", worksheetRuns, 300);
    if (failures > 0) {
        std::printf("bench_print: %d runs reported a printing problem\n", failures);
        return 1;
    }
    Stage::instance().unloadAll();
    return 0;
}
