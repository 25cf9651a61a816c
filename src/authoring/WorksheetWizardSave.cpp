// The wizard's validation and saving.
#include "WorksheetWizard.h"

#include "LineWriter.h"
#include "QuizFile.h"
#include "ResourcePath.h"
#include "Services.h"
#include "TextCodec.h"
#include "WorksheetIndex.h"
#include "WorksheetTitle.h"

#include <QFileInfo>

using namespace terralore;

namespace {

const QString kSaveProblem = QStringLiteral("There was a problem saving your worksheet");

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

// Another worksheet of this title (or, where the folder ignores letter case,
// of a title differing only in case) is replaced only when the author says so.
bool WorksheetWizard::mayReplace(const QString &storedTitle) const
{
    if (storedTitle == m_editedTitle)
        return true;
    // On a folder that ignores case the file of "ROCKS" is the file of "Rocks".
    const QString path = worksheetFilePath(worksheetFolder(), storedTitle);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return true;
    return showMessage(QStringLiteral("A worksheet called ") + titleBox->Text() +
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
    const QString stored = storedWorksheetTitle(titleBox->Text());
    if (!mayReplace(stored))
        return;
    LineWriter lines;
    writeQuizFile(lines, sheet);
    const QString path = worksheetFilePath(worksheetFolder(), stored);
    if (path.isEmpty() || !quizFileReadsBackAs(lines.bytes(), sheet) || !lines.commit(path) || !addToIndex()) {
        showMessage(kSaveProblem);
        return;
    }
    // What is on screen is now that worksheet: saving it again replaces it.
    m_editedTitle = stored;
    showMessage(QStringLiteral("Your worksheet has been saved."));
}

bool WorksheetWizard::addToIndex()
{
    const IndexChange change = addWorksheetTitle(worksheetIndexPath(), storedWorksheetTitle(titleBox->Text()),
                                                 session().worksheets.count, session().worksheets.names);
    return change == IndexChange::Added || change == IndexChange::AlreadyListed;
}
