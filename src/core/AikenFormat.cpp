// Aiken, the plainest text format learning platforms import multiple-choice
// questions from: the question, its lettered options and "ANSWER: X".
#include "QuestionImport.h"

#include <QRegularExpression>

namespace terralore {

namespace {

// The lines are told apart as the learning platforms tell them, so that an
// export that reads back here reads back there too: a line shorter than two
// bytes is skipped, and a capital letter, "." or ")" begin an option, a
// blank after them or not ("A)Paris"). Without text it is still taken for an
// option, so that the refusal names it.
const QRegularExpression &optionLine()
{
    static const QRegularExpression line(QStringLiteral("^([A-Z])[.)][ \\t]?(.*)$"));
    return line;
}

bool isSkipped(const QString &line)
{
    return line.toUtf8().size() < 2;
}

// In capitals only, as the learning platforms read it.
constexpr QStringView kAnswer = u"ANSWER:";

struct PendingQuestion {
    QStringList text;
    QString letters;
    QStringList options;
    std::optional<QString> answer;
    int line = 0; // where it begins
};

// The letter that begins the answer, as the platforms take it: "B",
// "B (Flint)" and "B. Flint" all name option B. Lone capitals after it
// ("B, C", "B and C") name more than one.
void readAnswer(const QString &answer, const QString &letters, FileQuestion &question)
{
    static const QRegularExpression first(QStringLiteral("^\\s*([A-Z])(?![A-Za-z0-9])(.*)$"));
    static const QRegularExpression others(
        QStringLiteral("^(?:\\s*(?:[,;/&+]|\\band\\b|\\bor\\b)?\\s*[A-Z](?![A-Za-z0-9]))+[\\s.]*$"));
    const QRegularExpressionMatch match = first.match(answer);
    if (!match.hasMatch())
        return;
    if (others.match(match.capturedView(2)).hasMatch()) {
        if (question.problem.isEmpty())
            question.problem = QStringLiteral("has more than one right answer.");
        return;
    }
    if (const qsizetype option = letters.indexOf(match.capturedView(1).front()); option >= 0)
        question.right.append(option);
}

FileQuestion questionOf(const PendingQuestion &pending)
{
    FileQuestion question;
    question.line = pending.line;
    question.text = worksheetValue(pending.text.join(u'\n'));
    for (const QString &option : pending.options)
        question.options.append(worksheetValue(option));
    if (pending.options.size() == 4 && pending.letters != QLatin1String("ABCD"))
        question.problem = QStringLiteral("does not list its options as A, B, C and D.");
    if (pending.answer)
        readAnswer(*pending.answer, pending.letters, question);
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
        if (isSkipped(line))
            continue;
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
    const QList<QStringView> lines = textLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = worksheetValue(lines[i]);
        if (isSkipped(line))
            continue;
        if (pending.text.isEmpty() && pending.options.isEmpty())
            pending.line = int(i) + 1;
        if (const QRegularExpressionMatch option = optionLine().match(line); option.hasMatch()) {
            pending.letters += option.capturedView(1);
            pending.options.append(option.captured(2));
        } else if (line.startsWith(kAnswer)) {
            pending.answer = line.mid(kAnswer.size());
            endQuestion();
        } else {
            if (!pending.options.isEmpty()) {
                endQuestion();
                pending.line = int(i) + 1;
            }
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
