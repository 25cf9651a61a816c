// The wizard's validation and saving.
#include "WorksheetWizard.h"

#include "QuizFile.h"
#include "Services.h"
#include "TextCodec.h"
#include "WorksheetStore.h"
#include "WorksheetTitle.h"

using namespace terralore;

namespace {

QString numbered(const char *text, int n)
{
    return QString::fromLatin1(text) + signPlace(n);
}

const char *const kOptionNames[] = {"Option A", "Option B", "Option C", "Option D"};

} // namespace

void WorksheetWizard::validateAndSave()
{
    if (titleBox->Text().isEmpty()) {
        showMessage(QStringLiteral("You have not chosen a title for your worksheet"));
        return;
    }
    // The title becomes a file name and an index entry: refuse it before
    // anything is written, rather than fail half-way through the save.
    if (const QString problem = worksheetTitleProblem(titleBox->Text()); !problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    for (int q = 0; q < 10; ++q) {
        const int n = q + 1;
        if (questionBoxes[q]->Text().isEmpty()) {
            showMessage(numbered("You have not completed Question", n));
            return;
        }
        int ticks = 0;
        for (int j = 0; j < 4; ++j) {
            if (optionBoxes[4 * q + j]->Text().isEmpty()) {
                showMessage(numbered("You have not completed Question", n));
                return;
            }
            ticks += answerTicks[4 * q + j]->Value();
        }
        if (ticks == 0) {
            showMessage(numbered("You have not ticked the correct answer for Question", n));
            return;
        }
        if (ticks > 1) {
            showMessage(numbered("You have ticked more than one correct answer for Question", n));
            return;
        }
        // The file holds one byte per character: a character it cannot hold
        // is refused, never changed behind the author's back.
        if (const QString problem = unwritableCharacterProblem(q); !problem.isEmpty()) {
            showMessage(problem);
            return;
        }
    }
    save();
}

QString WorksheetWizard::unwritableCharacterProblem(int q) const
{
    const QString question = QStringLiteral("Question") + signPlace(q + 1);
    if (const QString c = firstUnencodableCharacter(questionBoxes[q]->Text()); !c.isEmpty())
        return question + QStringLiteral(" cannot contain the character ") + c + QStringLiteral(".");
    for (int j = 0; j < 4; ++j) {
        if (const QString c = firstUnencodableCharacter(optionBoxes[4 * q + j]->Text()); !c.isEmpty())
            return QString::fromLatin1(kOptionNames[j]) + QStringLiteral(" of ") + question +
                   QStringLiteral(" cannot contain the character ") + c + QStringLiteral(".");
    }
    return {};
}

bool WorksheetWizard::askToReplace(const QString &title)
{
    return showMessage(QStringLiteral("A worksheet called ") + title +
                           QStringLiteral(" already exists. Do you want to replace it?"),
                       MsgButtons::OKCancel) == MsgResult::OK;
}

void WorksheetWizard::save()
{
    // Validation let exactly one tick per question through.
    QuizSheet sheet;
    sheet.title = titleBox->Text();
    for (int q = 0; q < kQuizQuestions; ++q) {
        QuizQuestionText &question = sheet.questions[q];
        question.text = questionBoxes[q]->Text();
        for (int j = 0; j < 4; ++j) {
            question.options[j] = optionBoxes[4 * q + j]->Text();
            if (answerTicks[4 * q + j]->Value() == 1)
                question.answer = j + 1;
        }
    }
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
