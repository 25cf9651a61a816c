#include "WorksheetTransfer.h"

#include "DataFolder.h"
#include "WorksheetSharing.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace terralore {

namespace {

int refuse(const QString &why)
{
    std::fprintf(stderr, "terralore: %s\n", why.toLocal8Bit().constData());
    return 1;
}

int importFile(const StartOptions &options)
{
    QString declined;
    const auto mayReplace = [&](const QString &title) {
        if (!options.replace)
            declined = title;
        return options.replace;
    };
    int count = 0;
    const auto names = std::make_unique<WorksheetNameArray>();
    const ImportResult result = importWorksheets(options.file, options.title, mayReplace, count, *names);
    if (result.outcome == SaveOutcome::Declined)
        return refuse(QStringLiteral("a worksheet called %1 already exists (--replace replaces it)").arg(declined));
    if (result.outcome == SaveOutcome::Failed) {
        // A title taken from the file (a quiz exported from a topic has a
        // colon in it) can be given instead.
        const QString hint = result.titleRefused && options.title.isEmpty()
                                 ? QStringLiteral(" Give the worksheets a title with --title.")
                                 : QString();
        return refuse(QStringLiteral("%1: %2%3").arg(options.file, result.refusal, hint));
    }
    for (const QString &title : result.titles)
        std::printf("Imported the worksheet %s\n", title.toLocal8Bit().constData());
    if (!result.notice.isEmpty())
        std::printf("%s\n", result.notice.toLocal8Bit().constData());
    return 0;
}

int exportFile(const StartOptions &options)
{
    const QuestionFormat format =
        options.format == QLatin1String("aiken") ? QuestionFormat::Aiken : QuestionFormat::Gift;
    if (const QString problem = exportWorksheet(options.title, format, options.file); !problem.isEmpty())
        return refuse(QStringLiteral("%1: %2").arg(options.title, problem));
    std::printf("Exported the worksheet %s to %s\n", options.title.toLocal8Bit().constData(),
                options.file.toLocal8Bit().constData());
    return 0;
}

} // namespace

int runWorksheetTransfer(int argc, char *argv[], const StartOptions &options)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Terralore"));
    // The file names are taken before the data folder becomes the working folder.
    StartOptions absolute = options;
    absolute.file = QFileInfo(options.file).absoluteFilePath();
    if (openDataFolder(options.dataFolder).isEmpty())
        return refuse(QStringLiteral("could not find or create the data folder"));
    sweepInterruptedSaves();
    return options.action == StartOptions::Action::Import ? importFile(absolute) : exportFile(absolute);
}

} // namespace terralore
