#include "QuizFile.h"

#include "FieldReader.h"
#include "LineWriter.h"

namespace terralore {

namespace {

const QString kSeparator = QStringLiteral(" ");

} // namespace

QString escapeQuizValue(QStringView value)
{
    return value.toString().replace(u',', u'&');
}

QString unescapeQuizValue(QStringView field)
{
    return field.toString().replace(u'&', u',');
}

bool loadQuizFile(FieldReader &reader, const QuizState &state)
{
    QString field;
    if (!reader.readField(field))
        return false;
    state.title = unescapeQuizValue(field);
    if (!reader.readField(field))
        return false;
    QuizTexts *const texts[] = {&state.question, &state.optionA, &state.optionB, &state.optionC, &state.optionD};
    for (int q = 1; q <= kQuizQuestions; ++q) {
        for (QuizTexts *text : texts) {
            if (!reader.readField(field))
                return false;
            (*text)[q] = unescapeQuizValue(field);
        }
        if (!reader.readField(field))
            return false;
        state.correctAnswer[q] = field;
        // The separator's content, whatever it is, is discarded.
        if (!reader.readField(field))
            return false;
    }
    return true;
}

QStringList quizFileLines(const QuizSheet &sheet)
{
    QStringList lines;
    lines.reserve(kQuizLines);
    lines << escapeQuizValue(sheet.title) << kSeparator;
    for (const QuizQuestionText &question : sheet.questions) {
        lines << escapeQuizValue(question.text);
        for (const QString &option : question.options)
            lines << escapeQuizValue(option);
        lines << QString::number(question.answer) << kSeparator;
    }
    return lines;
}

void writeQuizFile(LineWriter &writer, const QuizSheet &sheet)
{
    for (const QString &line : quizFileLines(sheet))
        writer.writeLine(line);
}

} // namespace terralore
