// The wizard's validation and saving: genwork, saveworksheet, trackworksheets.
#include "wizard.h"

#include "LineWriter.h"
#include "MessageBox.h"
#include "Module1.h"
#include "QuizFile.h"
#include "ResourcePath.h"
#include "TextCodec.h"
#include "WorksheetIndex.h"
#include "WorksheetTitle.h"

using namespace terralore;

namespace {

const QString kSaveProblem = QStringLiteral("There was a problem saving your worksheet");

QString numbered(const char *text, int n)
{
    return QString::fromLatin1(text) + signPlace(n);
}

} // namespace

void wizardForm::genwork()
{
    if (Text1->Text().isEmpty()) {
        MsgBox(QStringLiteral("You have not chosen a title for your worksheet"));
        return;
    }
    // The title becomes a file name and an index entry: refuse it before
    // anything is written, rather than fail half-way through the save.
    if (const QString problem = worksheetTitleProblem(Text1->Text()); !problem.isEmpty()) {
        MsgBox(problem);
        return;
    }
    for (int q = 0; q < 10; ++q) {
        const int n = q + 1;
        if (Text2[q]->Text().isEmpty()) {
            MsgBox(numbered("You have not completed Question", n));
            return;
        }
        int ticks = 0;
        for (int j = 0; j < 4; ++j) {
            if (Text3[4 * q + j]->Text().isEmpty()) {
                MsgBox(numbered("You have not completed Question", n));
                return;
            }
            ticks += Check1[4 * q + j]->Value();
        }
        if (ticks == 0) {
            MsgBox(numbered("You have not ticked the correct answer for Question", n));
            return;
        }
        if (ticks > 1) {
            MsgBox(numbered("You have ticked more than one correct answer for Question", n));
            return;
        }
    }
    saveworksheet();
}

void wizardForm::saveworksheet()
{
    // Validation let exactly one tick per question through.
    QuizSheet sheet;
    sheet.title = Text1->Text();
    for (int q = 0; q < kQuizQuestions; ++q) {
        QuizQuestionText &question = sheet.questions[q];
        question.text = Text2[q]->Text();
        for (int j = 0; j < 4; ++j) {
            question.options[j] = Text3[4 * q + j]->Text();
            if (Check1[4 * q + j]->Value() == 1)
                question.answer = j + 1;
        }
    }
    LineWriter lines;
    writeQuizFile(lines, sheet);
    const QString path =
        worksheetFilePath(resolveResource(QStringLiteral("multiple")), storedWorksheetTitle(Text1->Text()));
    if (path.isEmpty() || !lines.commit(path) || !trackworksheets()) {
        MsgBox(kSaveProblem);
        return;
    }
    MsgBox(QStringLiteral("Your worksheet has been saved."));
}

bool wizardForm::trackworksheets()
{
    const IndexChange change =
        addWorksheetTitle(resolveResource(QStringLiteral("multiple/") + QStringLiteral("track.txt")),
                          storedWorksheetTitle(Text1->Text()), Module1::WorksheetCount, Module1::WorksheetNames);
    return change == IndexChange::Added || change == IndexChange::AlreadyListed;
}
