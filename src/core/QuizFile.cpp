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

bool loadQuizFile(FieldReader &reader, Quiz &quiz)
{
    QString field;
    if (!reader.readField(field))
        return false;
    quiz.title = unescapeQuizValue(field);
    if (!reader.readField(field))
        return false;
    for (QuizQuestion &question : quiz.questions) {
        for (QString *text :
             {&question.text, &question.options[0], &question.options[1], &question.options[2], &question.options[3]}) {
            if (!reader.readField(field))
                return false;
            *text = unescapeQuizValue(field);
        }
        if (!reader.readField(field))
            return false;
        question.answer = field;
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
    Quiz read;
    if (!loadQuizFile(reader, read) || !reader.atEnd())
        return false;
    if (read.title != asRead(sheet.title))
        return false;
    for (std::size_t q = 0; q < read.questions.size(); ++q) {
        const QuizQuestionText &written = sheet.questions[q];
        const QuizQuestion &question = read.questions[q];
        if (question.text != asRead(written.text) || question.answer != QString::number(written.answer))
            return false;
        for (std::size_t j = 0; j < 4; ++j) {
            if (question.options[j] != asRead(written.options[j]))
                return false;
        }
    }
    return true;
}

} // namespace terralore
