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

namespace {

QString asRead(const QString &value)
{
    QString read = unescapeQuizValue(escapeQuizValue(value));
    qsizetype blanks = 0;
    while (blanks < read.size() && (read.at(blanks) == u' ' || read.at(blanks) == u'\t'))
        ++blanks;
    return read.mid(blanks);
}

} // namespace

bool quizFileReadsBackAs(const QByteArray &bytes, const QuizSheet &sheet)
{
    FieldReader reader(bytes);
    LoadedQuiz read;
    if (!loadQuizFile(reader, read.state()) || !reader.atEnd())
        return false;
    if (read.title != asRead(sheet.title))
        return false;
    for (int q = 0; q < kQuizQuestions; ++q) {
        const QuizQuestionText &question = sheet.questions[std::size_t(q)];
        const std::size_t i = std::size_t(q) + 1;
        const QString options[4] = {read.optionA[i], read.optionB[i], read.optionC[i], read.optionD[i]};
        if (read.question[i] != asRead(question.text) || read.correctAnswer[i] != QString::number(question.answer))
            return false;
        for (int j = 0; j < 4; ++j) {
            if (options[j] != asRead(question.options[std::size_t(j)]))
                return false;
        }
    }
    return true;
}

} // namespace terralore
