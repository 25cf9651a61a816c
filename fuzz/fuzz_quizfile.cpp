// The quiz file loader on arbitrary bytes: it must never crash, and a quiz
// it loads must come back unchanged through the writer and the loader.
#include "FieldReader.h"
#include "LineWriter.h"
#include "QuizFile.h"
#include "QuizResults.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

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

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Loaded first;
    if (!first.load(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    const QuizSheet sheet = sheetOf(first);
    LineWriter writer;
    writeQuizFile(writer, sheet);
    Loaded second;
    require(second.load(writer.bytes()));
    require(second.title == first.title);
    for (std::size_t q = 1; q <= 10; ++q) {
        require(second.question[q] == first.question[q]);
        require(second.optionA[q] == first.optionA[q]);
        require(second.optionB[q] == first.optionB[q]);
        require(second.optionC[q] == first.optionC[q]);
        require(second.optionD[q] == first.optionD[q]);
        require(answerOption(second.correctAnswer[q]) == sheet.questions[q - 1].answer);
    }
    return 0;
}
