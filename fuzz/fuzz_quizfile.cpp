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

Quiz load(const QByteArray &bytes, bool &complete)
{
    Quiz quiz;
    FieldReader reader(bytes);
    complete = loadQuizFile(reader, quiz);
    return quiz;
}

QuizSheet sheetOf(const Quiz &quiz)
{
    QuizSheet sheet;
    sheet.title = quiz.title;
    for (std::size_t q = 0; q < sheet.questions.size(); ++q) {
        QuizQuestionText &out = sheet.questions[q];
        const QuizQuestion &in = quiz.questions[q];
        out.text = in.text;
        out.options = in.options;
        const int option = answerOption(in.answer);
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
    bool complete = false;
    const Quiz first = load(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), complete);
    if (!complete)
        return 0;
    const QuizSheet sheet = sheetOf(first);
    LineWriter writer;
    writeQuizFile(writer, sheet);
    const Quiz second = load(writer.bytes(), complete);
    require(complete);
    require(second.title == first.title);
    for (std::size_t q = 0; q < first.questions.size(); ++q) {
        require(second.questions[q].text == first.questions[q].text);
        require(second.questions[q].options == first.questions[q].options);
        require(answerOption(second.questions[q].answer) == sheet.questions[q].answer);
    }
    return 0;
}
