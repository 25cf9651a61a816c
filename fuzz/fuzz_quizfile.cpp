// The quiz file loader on arbitrary bytes: it must never crash, and a quiz
// it loads must come back unchanged through the writer and the loader.
#include "FuzzSupport.h"

#include "FieldReader.h"
#include "LineWriter.h"
#include "QuizFile.h"
#include "QuizResults.h"
#include "WorksheetStore.h"

#include <algorithm>

using namespace terralore;

namespace {

bool load(const QByteArray &bytes, Quiz &quiz)
{
    FieldReader reader(bytes);
    return loadQuizFile(reader, quiz);
}

// A digit naming no option is written as 1, as the wizard would tick one.
QuizSheet sheetOf(const Quiz &quiz)
{
    QuizSheet sheet = sheetOfQuiz(quiz);
    for (QuizQuestionText &question : sheet.questions)
        question.answer = std::max(question.answer, 1);
    return sheet;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Quiz first;
    if (!load(fuzzBytes(data, size), first))
        return 0;
    const QuizSheet sheet = sheetOf(first);
    LineWriter writer;
    writeQuizFile(writer, sheet);
    Quiz second;
    fuzzCheck(load(writer.bytes(), second));
    const QuizSheet again = sheetOf(second);
    fuzzCheck(again.title == sheet.title);
    for (std::size_t q = 0; q < 10; ++q) {
        fuzzCheck(again.questions[q].text == sheet.questions[q].text);
        fuzzCheck(again.questions[q].options == sheet.questions[q].options);
        fuzzCheck(answerOption(second.questions[q].answer) == sheet.questions[q].answer);
    }
    return 0;
}
