// Aiken, the plainest text format learning platforms import multiple-choice
// questions from: the question, its lettered options and "ANSWER: X".
#include "QuestionImport.h"

#include <QRegularExpression>

namespace terralore {

namespace {

// A capital letter, "." or ")", a blank and the option's text. Without text
// it is still taken for an option, so that the refusal names it.
const QRegularExpression &optionLine()
{
    static const QRegularExpression line(QStringLiteral("^([A-Z])[.)](?:[ \\t](.*))?$"));
    return line;
}

// In capitals only, as the learning platforms read it.
constexpr QStringView kAnswer = u"ANSWER:";

struct PendingQuestion {
    QStringList text;
    QString letters;
    QStringList options;
    std::optional<QString> answer;
};

FileQuestion questionOf(const PendingQuestion &pending)
{
    FileQuestion question;
    question.text = worksheetValue(pending.text.join(u'\n'));
    for (const QString &option : pending.options)
        question.options.append(worksheetValue(option));
    if (pending.options.size() == 4 && pending.letters != QLatin1String("ABCD"))
        question.problem = QStringLiteral("does not list its options as A, B, C and D.");
    if (!pending.answer)
        return question;
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    const QStringList letters = pending.answer->split(separators, Qt::SkipEmptyParts);
    if (letters.size() > 1 && question.problem.isEmpty())
        question.problem = QStringLiteral("has more than one right answer.");
    if (letters.size() == 1 && letters.front().size() == 1) {
        if (const qsizetype option = pending.letters.indexOf(letters.front().front()); option >= 0)
            question.right.append(option);
    }
    return question;
}

QString aikenQuestion(const QuizSheet &sheet, std::size_t q)
{
    const QuizQuestionText &question = sheet.questions[q];
    QString text = question.text + u'\n';
    for (std::size_t j = 0; j < 4; ++j)
        text += QChar(char16_t(u'A' + j)) + QStringLiteral(". ") + question.options[j] + u'\n';
    return text + kAnswer.toString() + u' ' + QChar(char16_t(u'A' + question.answer - 1)) + u'\n';
}

} // namespace

QByteArray writeAiken(const QuizSheet &sheet)
{
    return questionBlocks(sheet, aikenQuestion);
}

bool looksLikeAiken(QStringView text)
{
    bool options = false;
    bool answers = false;
    for (QStringView raw : textLines(text)) {
        const QString line = worksheetValue(raw);
        answers = answers || line.startsWith(kAnswer);
        options = options || optionLine().match(line).hasMatch();
    }
    return options && answers;
}

// A question's text may run over several lines; blank lines between
// questions are optional, as an "ANSWER:" line ends a question, and so does
// a line of text after its options.
FileQuestions parseAiken(QStringView text)
{
    FileQuestions parsed;
    PendingQuestion pending;
    const auto endQuestion = [&] {
        parsed.questions.append(questionOf(pending));
        pending = {};
    };
    for (QStringView raw : textLines(text)) {
        // Told apart as written back: a line that reads as text must not
        // write back as an option.
        const QString line = worksheetValue(raw);
        if (line.isEmpty())
            continue;
        if (const QRegularExpressionMatch option = optionLine().match(line); option.hasMatch()) {
            pending.letters += option.capturedView(1);
            pending.options.append(option.captured(2));
        } else if (line.startsWith(kAnswer)) {
            pending.answer = line.mid(kAnswer.size());
            endQuestion();
        } else {
            if (!pending.options.isEmpty())
                endQuestion();
            pending.text.append(line);
        }
    }
    if (!pending.text.isEmpty() || !pending.options.isEmpty())
        endQuestion();
    return parsed;
}

ImportedWorksheets readAiken(QStringView text, const QString &title)
{
    return worksheetsFrom(parseAiken(text).questions, title);
}

} // namespace terralore
