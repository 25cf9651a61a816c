// The catalogue's title click: a worksheet taken as a quiz, edited in the
// wizard or deleted from the index.
#include "WorksheetCatalogue.h"

#include "CataloguePaging.h"
#include "FieldReader.h"
#include "MainMenu.h"
#include "MessageBox.h"
#include "Module1.h"
#include "QuizScreen.h"
#include "ResourcePath.h"
#include "WorksheetIndex.h"
#include "WorksheetTitle.h"
#include "WorksheetWizard.h"

#include <array>

using namespace terralore;

namespace {

const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

} // namespace

void WorksheetCatalogue::Label2_Click(int Index)
{
    Module1::PlayIfSoundOn(QStringLiteral("wav\\click.wav"));
    if (Index == 0) {
        mainMenu().Show();
        Unload();
        return;
    }
    const QString t = Label2[Index]->Caption();
    // Every mode reads the worksheet first, deletion included, so a
    // worksheet that cannot be read is reported and left alone.
    if (!loadWorksheet(t)) {
        MsgBox(kCorrupted);
        return;
    }
    if (Check1->Value() == 1) {
        if (!editworksheet(storedWorksheetTitle(t)))
            MsgBox(kCorrupted);
        return;
    }
    if (Check2->Value() == 0) {
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
    return reader && Module1::LoadQuizFile(*reader);
}

// The quiz shows the menu's picture and title; the menu itself stays
// unloaded, so the sound choice made for the catalogue holds.
void WorksheetCatalogue::openAsQuiz()
{
    quizScreen().Picture1->LoadPicture(MainMenu::picturePath());
    quizScreen().Label5->setCaption(MainMenu::titleText());
    quizScreen().Show();
}

void WorksheetCatalogue::deleteWorksheet(const QString &shownTitle)
{
    if (MsgBox(QStringLiteral("Are you sure that you want to delete the worksheet ") + shownTitle + QStringLiteral("?"),
               MsgButtons::OKCancel) != MsgResult::OK)
        return;
    Module1::SelectedWorksheet = storedWorksheetTitle(shownTitle);
    if (!delworksheet()) {
        MsgBox(kCorrupted);
        return;
    }
    // The titles close up on the page shown; the page buttons stay.
    const int p = Module1::CataloguePage;
    for (int k = 1; k <= kTitlesPerPage; ++k) {
        Label2[k]->setVisible(false);
        Label2[k]->setCaption(shownWorksheetTitle(Module1::WorksheetNames[p * kTitlesPerPage + k]));
    }
    for (int k = 1; k <= visibleCatalogueSlots(p, Module1::WorksheetCount); ++k)
        Label2[k]->setVisible(true);
}

bool WorksheetCatalogue::delworksheet()
{
    const IndexChange change = removeWorksheetTitle(worksheetIndexPath(), Module1::SelectedWorksheet,
                                                    Module1::WorksheetCount, Module1::WorksheetNames);
    return change == IndexChange::Removed || change == IndexChange::NotListed;
}

bool WorksheetCatalogue::editworksheet(const QString &storedTitle)
{
    // Each answer digit must name one of its own question's four boxes;
    // anything else is refused before the wizard is touched.
    std::array<int, 10> answer{};
    for (int q = 0; q < 10; ++q) {
        bool ok = false;
        answer[q] = Module1::CorrectAnswer[q + 1].trimmed().toInt(&ok);
        if (!ok || answer[q] < 1 || answer[q] > 4)
            return false;
    }
    WorksheetWizard &w = worksheetWizard();
    w.Text1->setText(Module1::QuizTitle);
    const Module1::QuizArray *options[] = {&Module1::OptionA, &Module1::OptionB, &Module1::OptionC, &Module1::OptionD};
    for (int q = 0; q < 10; ++q) {
        w.Text2[q]->setText(Module1::QuestionText[q + 1]);
        for (int j = 0; j < 4; ++j) {
            w.Text3[4 * q + j]->setText((*options[j])[q + 1]);
            w.Check1[4 * q + j]->setValue(j == answer[q] - 1 ? 1 : 0);
        }
    }
    w.setEditedWorksheet(storedTitle);
    w.Show();
    return true;
}
