// The quiz file loader on arbitrary bytes: it must never crash, and a quiz
// it loads must come back unchanged through the writer and the loader.
#include "FuzzSupport.h"

#include "FieldReader.h"
#include "LineWriter.h"
#include "QuizFile.h"
#include "QuizResults.h"

using namespace terralore;

namespace {

struct Loaded : LoadedQuiz {
    bool load(const QByteArray &bytes)
    {
        FieldReader reader(bytes);
        return loadQuizFile(reader, state());
    }
};

QuizSheet sheetOf(const Loaded &l)
{
    QuizSheet sheet;
    sheet.title = l.title;
    for (std::size_t q = 1; q <= 10; ++q) {
        QuizQuestionText &out = sheet.questions[q - 1];
        out.text = l.question[q];
        out.options = {l.optionA[q], l.optionB[q], l.optionC[q], l.optionD[q]};
        const int option = answerOption(l.correctAnswer[q]);
        out.answer = option != 0 ? option : 1;
    }
    return sheet;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Loaded first;
    if (!first.load(fuzzBytes(data, size)))
        return 0;
    const QuizSheet sheet = sheetOf(first);
    LineWriter writer;
    writeQuizFile(writer, sheet);
    Loaded second;
    fuzzCheck(second.load(writer.bytes()));
    const QuizSheet again = sheetOf(second);
    fuzzCheck(again.title == sheet.title);
    for (std::size_t q = 0; q < 10; ++q) {
        fuzzCheck(again.questions[q].text == sheet.questions[q].text);
        fuzzCheck(again.questions[q].options == sheet.questions[q].options);
        fuzzCheck(answerOption(second.correctAnswer[q + 1]) == sheet.questions[q].answer);
    }
    return 0;
}
