// The wizard's validation and saving.
#include "WorksheetWizard.h"

#include "Services.h"
#include "WorksheetDraft.h"
#include "WorksheetStore.h"
#include "WorksheetTitle.h"

using namespace terralore;

WorksheetDraft WorksheetWizard::draft() const
{
    WorksheetDraft draft;
    draft.title = titleBox->Text();
    for (int q = 0; q < kQuizQuestions; ++q) {
        DraftQuestion &question = draft.questions[std::size_t(q)];
        question.text = questionBoxes[q]->Text();
        for (int j = 0; j < kDraftOptions; ++j) {
            question.options[std::size_t(j)] = optionBoxes[4 * q + j]->Text();
            if (answerTicks[4 * q + j]->Value() == 1)
                question.rightOptions.append(j);
        }
    }
    return draft;
}

void WorksheetWizard::validateAndSave()
{
    const WorksheetDraft worksheet = draft();
    if (const QString problem = worksheet.validate(); !problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    save(worksheet);
}

bool WorksheetWizard::askToReplace(const QString &title)
{
    return showMessage(QStringLiteral("A worksheet called ") + title +
                           QStringLiteral(" already exists. Do you want to replace it?"),
                       MsgButtons::OKCancel) == MsgResult::OK;
}

void WorksheetWizard::save(const WorksheetDraft &worksheet)
{
    const QuizSheet sheet = worksheet.sheet();
    WorksheetList &list = session().worksheets;
    switch (saveWorksheets({sheet}, m_editedTitle, &askToReplace, list.count, list.names)) {
    case SaveOutcome::Declined:
        return;
    case SaveOutcome::Full: // nothing was written
    case SaveOutcome::Failed:
        showMessage(worksheetSaveProblem());
        return;
    case SaveOutcome::Saved:
        break;
    }
    // What is on screen is now that worksheet: saving it again replaces it.
    m_editedTitle = storedWorksheetTitle(sheet.title);
    showMessage(QStringLiteral("Your worksheet has been saved."));
}
