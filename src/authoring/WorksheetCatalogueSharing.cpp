// The catalogue's GIFT and Aiken files: a worksheet exported for a learning
// platform or another teacher, and a file of questions imported as worksheets.
#include "WorksheetCatalogue.h"

#include "CataloguePaging.h"
#include "Services.h"
#include "WorksheetSharing.h"
#include "WorksheetWizard.h"

#include <QDir>

using namespace terralore;

namespace {

const QString kGiftFilter = QStringLiteral("GIFT files (*.gift *.txt)");
const QString kAikenFilter = QStringLiteral("Aiken files (*.txt)");

} // namespace

void WorksheetCatalogue::exportWorksheet(const QString &shownTitle)
{
    QString filter;
    const QString path =
        services().chooseFileToSave(QStringLiteral("Export Worksheet"), QDir::home().filePath(shownTitle + ".txt"),
                                    kGiftFilter + QStringLiteral(";;") + kAikenFilter, filter);
    if (path.isEmpty())
        return;
    const QuestionFormat format = filter == kAikenFilter ? QuestionFormat::Aiken : QuestionFormat::Gift;
    if (const QString problem = terralore::exportWorksheet(shownTitle, format, path); !problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    showMessage(QStringLiteral("The worksheet ") + shownTitle + QStringLiteral(" has been exported."));
}

void WorksheetCatalogue::onImportClicked()
{
    playClick();
    const QString path = services().chooseFileToOpen(
        QStringLiteral("Import Worksheets"), QStringLiteral("GIFT or Aiken files (*.gift *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    WorksheetList &list = session().worksheets;
    const ImportResult result =
        importWorksheets(path, QString(), &WorksheetWizard::askToReplace, list.count, list.names);
    if (result.outcome == SaveOutcome::Declined)
        return;
    if (result.outcome == SaveOutcome::Failed) {
        showMessage(result.refusal);
        return;
    }
    // The new titles end the list: the last page shows them.
    readIndex();
    list.cataloguePage = (list.count - 1) / kTitlesPerPage;
    showPage();
    const QString imported =
        result.titles.size() == 1
            ? QStringLiteral("The worksheet ") + result.titles.constFirst() + QStringLiteral(" has been imported.")
            : QStringLiteral("These worksheets have been imported: ") + result.titles.join(QStringLiteral(", ")) +
                  QStringLiteral(".");
    showMessage(result.notice.isEmpty() ? imported : imported + u' ' + result.notice);
}
