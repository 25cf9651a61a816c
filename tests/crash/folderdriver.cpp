// One of several programs that save and delete worksheets at once in one
// shared worksheet folder, as classroom machines on a school's network share
// do. Arguments: the data folder, a title prefix, a seed, how many changes.
// Each change done is reported on a line of its own: "save TITLE" or
// "delete TITLE"; a change that fails, as "failed save TITLE".
#include "DataFolder.h"
#include "Session.h"
#include "WorksheetStore.h"
#include "WorksheetTitle.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>

using namespace terralore;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5 || prepareDataFolder(args[1]).isEmpty())
        return 2;
    std::mt19937 random(args[3].toUInt());
    const int changes = args[4].toInt();
    auto list = std::make_unique<WorksheetList>();
    for (int n = 0; n < changes; ++n) {
        const QString title = args[2] + QStringLiteral(" ") + QString::number(random() % 10);
        const bool save = random() % 3 != 0;
        bool done = false;
        if (save) {
            QuizSheet sheet{title, {}};
            for (QuizQuestionText &q : sheet.questions)
                q = {QStringLiteral("Question of change %1").arg(n), {"Sand", "Silt", "Clay", "Loam"}, 1 + n % 4};
            const auto replace = [](const QString &) { return true; };
            done = saveWorksheets({sheet}, QString(), replace, list->count, list->names) == SaveOutcome::Saved;
        } else {
            const IndexChange change = removeWorksheet(storedWorksheetTitle(title), list->count, list->names);
            done = change == IndexChange::Removed || change == IndexChange::NotListed;
        }
        std::printf("%s%s %s\n", done ? "" : "failed ", save ? "save" : "delete", title.toUtf8().constData());
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    }
    return 0;
}
