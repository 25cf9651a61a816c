// The catalogue's title click: a worksheet taken as a quiz, edited in the
// wizard, exported or deleted from the index.
#include "WorksheetCatalogue.h"

#include "CataloguePaging.h"
#include "FieldReader.h"
#include "QuizResults.h"
#include "QuizScreen.h"
#include "ResourcePath.h"
#include "Services.h"
#include "StandardScreen.h"
#include "WorksheetStore.h"
#include "WorksheetTitle.h"
#include "WorksheetWizard.h"

using namespace terralore;

void WorksheetCatalogue::onTitleClicked(int slot)
{
    playClick();
    if (slot == ExitEntry) {
        showHomeScreen();
        Unload();
        return;
    }
    const QString t = titleButtons[slot]->Caption();
    // Every mode reads the worksheet first, deletion included, so a
    // worksheet that cannot be read is reported and left alone.
    if (!loadWorksheet(t)) {
        showMessage(worksheetCorrupted());
        return;
    }
    if (editModeTick->Value() == 1) {
        // An answer digit that names no option is refused before the wizard
        // is opened at all.
        if (!answersNameOptions(session().quiz) || !worksheetWizard().edit(session().quiz, storedWorksheetTitle(t)))
            showMessage(worksheetCorrupted());
        return;
    }
    if (exportModeTick->Value() == 1) {
        exportWorksheet(t);
        return;
    }
    if (deleteModeTick->Value() == 0) {
        openAsQuiz();
        return;
    }
    deleteWorksheet(t);
}

// The shown title names its quiz file through the stored title; a title
// that could lead out of the worksheet folder opens nothing.
bool WorksheetCatalogue::loadWorksheet(const QString &shownTitle)
{
    const QString path = worksheetFilePath(worksheetFolder(), storedWorksheetTitle(shownTitle));
    auto reader = FieldReader::open(path);
    return reader && loadQuizFile(*reader, session().quiz);
}

// The quiz shows the menu's picture and title; the menu itself stays
// unloaded, so the sound choice made for the catalogue holds.
void WorksheetCatalogue::openAsQuiz()
{
    quizScreen().start(menuPicturePath(), menuTitle());
}

void WorksheetCatalogue::deleteWorksheet(const QString &shownTitle)
{
    if (showMessage(QStringLiteral("Are you sure that you want to delete the worksheet ") + shownTitle +
                        QStringLiteral("?"),
                    MsgButtons::OKCancel) != MsgResult::OK)
        return;
    session().worksheets.selected = storedWorksheetTitle(shownTitle);
    if (!removeFromIndex()) {
        showMessage(worksheetCorrupted());
        return;
    }
    // The titles close up on the page shown; the page buttons stay.
    const WorksheetList &list = session().worksheets;
    const int p = list.cataloguePage;
    for (int k = 1; k <= kTitlesPerPage; ++k) {
        titleButtons[k]->setVisible(false);
        titleButtons[k]->setCaption(shownWorksheetTitle(list.names[p * kTitlesPerPage + k]));
    }
    for (int k = 1; k <= visibleCatalogueSlots(p, list.count); ++k)
        titleButtons[k]->setVisible(true);
}

bool WorksheetCatalogue::removeFromIndex()
{
    WorksheetList &list = session().worksheets;
    const IndexChange change = removeWorksheet(list.selected, list.count, list.names);
    return change == IndexChange::Removed || change == IndexChange::NotListed;
}
