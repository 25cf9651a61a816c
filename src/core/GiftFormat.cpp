// GIFT, the text format learning platforms import quiz questions from, as
// far as a worksheet's multiple-choice questions go.
#include "HtmlText.h"
#include "QuestionImport.h"

#include <QRegularExpression>

namespace terralore {

namespace {

// The characters GIFT gives a meaning, written with a backslash before them
// to stand for themselves.
const QString kSpecial = QStringLiteral("~=#{}:\\");

QString escaped(QStringView value)
{
    QString text;
    text.reserve(value.size());
    for (QChar c : value) {
        if (kSpecial.contains(c))
            text += u'\\';
        text += c;
    }
    return text;
}

// GIFT's escapes undone, "\n" as a line break. A backslash before any other
// character stays, as the platforms keep it.
QString unescaped(QStringView text)
{
    QString value;
    value.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && (kSpecial.contains(text[i + 1]) || text[i + 1] == u'n')) {
            ++i;
            value += text[i] == u'n' ? QChar(u'\n') : text[i];
        } else {
            value += text[i];
        }
    }
    return value;
}

// Where the first `what` that no backslash escapes begins, or -1.
qsizetype findUnescaped(QStringView text, QStringView what, qsizetype from = 0)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\\')
            ++i;
        else if (text.mid(i).startsWith(what))
            return i;
    }
    return -1;
}

// [moodle] and [markdown] text is kept as written: its marks read well enough as plain text.
enum class TextFormat { Plain, Html };

// Takes a leading format marker off text; without one the text keeps fallback.
TextFormat takeFormat(QStringView &text, TextFormat fallback)
{
    static const QStringView markers[] = {u"[plain]", u"[moodle]", u"[markdown]", u"[html]"};
    for (QStringView marker : markers) {
        if (text.startsWith(marker)) {
            text = text.mid(marker.size());
            return marker == u"[html]" ? TextFormat::Html : TextFormat::Plain;
        }
    }
    return fallback;
}

// HTML that cannot be kept as plain text gives nothing: the question is
// refused rather than shown without its picture or link.
std::optional<QString> valueOf(QStringView raw, TextFormat format)
{
    const QString text = unescaped(raw);
    if (format == TextFormat::Plain)
        return worksheetValue(text);
    const std::optional<QString> plain = plainTextOfHtml(text);
    return plain ? std::optional(worksheetValue(*plain)) : std::nullopt;
}

const QString kNotMultipleChoice = QStringLiteral("is not multiple choice.");
const QString kHtml = QStringLiteral("holds HTML that cannot be kept as plain text.");

// The answers between the braces: "=" marks the right one, "~" a wrong one
// unless its weight is 100%. Feedback after "#" and the general feedback
// after "####" are dropped.
void readAnswers(QStringView answers, TextFormat format, FileQuestion &question)
{
    if (const qsizetype general = findUnescaped(answers, u"####"); general >= 0)
        answers = answers.left(general);
    // Essay {}, numeric {#...}, and without any "~" true/false, short answer or matching.
    const QStringView trimmed = answers.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#') || findUnescaped(answers, u"~") < 0) {
        question.problem = kNotMultipleChoice;
        return;
    }
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (answers[i] == u'\\')
            ++i;
        else if (answers[i] == u'~' || answers[i] == u'=')
            starts.append(i);
    }
    if (!answers.left(starts.front()).trimmed().isEmpty()) {
        question.problem = kNotMultipleChoice;
        return;
    }
    static const QRegularExpression weight(QStringLiteral("^%(-?[0-9]+(?:\\.[0-9]+)?)%"));
    starts.append(answers.size());
    for (qsizetype k = 0; k + 1 < starts.size(); ++k) {
        QStringView answer = answers.mid(starts[k] + 1, starts[k + 1] - starts[k] - 1);
        if (const qsizetype feedback = findUnescaped(answer, u"#"); feedback >= 0)
            answer = answer.left(feedback);
        answer = answer.trimmed();
        bool right = answers[starts[k]] == u'=';
        if (const QRegularExpressionMatch match = weight.match(answer); match.hasMatch()) {
            right = right || match.capturedView(1).toDouble() == 100;
            answer = answer.mid(match.capturedLength());
        }
        const TextFormat answerFormat = takeFormat(answer, format);
        const std::optional<QString> value = valueOf(answer, answerFormat);
        if (!value) {
            question.problem = kHtml;
            return;
        }
        if (right)
            question.right.append(question.options.size());
        question.options.append(*value);
    }
}

// One question: an optional "::name::", an optional format marker, the text
// and the answers in braces. Text after the closing brace makes a
// missing-word question; a worksheet shows its gap as a line, "_____".
FileQuestion readQuestion(QStringView block, int line)
{
    FileQuestion question;
    question.line = line;
    QStringView rest = block.trimmed();
    if (rest.startsWith(u"::")) {
        if (const qsizetype end = findUnescaped(rest, u"::", 2); end >= 0) {
            question.name = worksheetValue(unescaped(rest.mid(2, end - 2)));
            rest = rest.mid(end + 2).trimmed();
        }
    }
    const TextFormat format = takeFormat(rest, TextFormat::Plain);
    const qsizetype open = findUnescaped(rest, u"{");
    if (open < 0) {
        question.problem = kNotMultipleChoice; // a description
        return question;
    }
    const qsizetype close = findUnescaped(rest, u"}", open + 1);
    if (close < 0) {
        question.problem = QStringLiteral("has no closing brace.");
        return question;
    }
    QString text = rest.left(open).toString();
    if (const QStringView after = rest.mid(close + 1); !after.trimmed().isEmpty())
        text += QStringLiteral("_____") + after.toString();
    const std::optional<QString> value = valueOf(text, format);
    if (!value) {
        question.problem = kHtml;
        return question;
    }
    question.text = *value;
    readAnswers(rest.mid(open + 1, close - open - 1), format, question);
    return question;
}

// The title all names share as "Title Q1", "Title Q2"..., or empty.
QString sharedPrefix(const QStringList &names)
{
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S)\\s+Q[0-9]+$"));
    QString prefix;
    for (const QString &name : names) {
        const QRegularExpressionMatch match = numbered.match(name);
        if (!match.hasMatch() || (!prefix.isEmpty() && match.captured(1) != prefix))
            return {};
        prefix = match.captured(1);
    }
    return prefix;
}

// An option as the learning platforms read it back. Without a format marker
// it takes its question's format, plain. One beginning with "%" or "[" would
// read as a weight (which the platforms never look for after "=", so they
// keep the weight's marks as text) or a format marker: an explicit marker
// goes first. One holding "->" is written as HTML, its ">" as "&gt;": some
// readers take "=... -> ..." for a question of matching pairs.
QString optionValue(const QString &value, bool right)
{
    const QString mark = right ? QStringLiteral("=") : QStringLiteral("~");
    if (value.contains(QStringLiteral("->")))
        return mark + QStringLiteral("[html]") + escaped(value.toHtmlEscaped());
    if (value.startsWith(u'%') || value.startsWith(u'['))
        return mark + QStringLiteral("[plain]") + escaped(value);
    return mark + escaped(value);
}

QString giftQuestion(const QuizSheet &sheet, std::size_t q)
{
    const QuizQuestionText &question = sheet.questions[q];
    // Text without a marker is the platforms' own format, read as HTML:
    // "<b>" would turn bold and "&lt;" into "<". A worksheet's text is plain.
    QString text = QStringLiteral("::") + escaped(sheet.title + QStringLiteral(" Q") + QString::number(q + 1)) +
                   QStringLiteral(":: [plain]") + escaped(question.text) + QStringLiteral(" {");
    for (std::size_t j = 0; j < 4; ++j)
        text += optionValue(question.options[j], question.answer == int(j) + 1) + QChar(j < 3 ? u' ' : u'}');
    return text + u'\n';
}

} // namespace

QByteArray writeGift(const QuizSheet &sheet)
{
    return questionBlocks(sheet, giftQuestion);
}

bool looksLikeGift(QStringView text)
{
    for (QStringView line : textLines(text)) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(u"//"))
            continue;
        if (trimmed.startsWith(u"::") || trimmed.startsWith(u"$CATEGORY:") || findUnescaped(trimmed, u"{") >= 0)
            return true;
    }
    return false;
}

// Questions are separated by blank lines; comment lines ("//") and category
// lines ("$CATEGORY:") are skipped wherever they stand.
FileQuestions parseGift(QStringView text)
{
    FileQuestions parsed;
    QStringList names;
    QString block;
    int blockLine = 0;
    const auto endBlock = [&] {
        if (block.trimmed().isEmpty())
            return;
        parsed.questions.append(readQuestion(block, blockLine));
        names.append(parsed.questions.constLast().name);
        block.clear();
    };
    const QList<QStringView> lines = textLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView trimmed = lines[i].trimmed();
        if (trimmed.startsWith(u"//") || trimmed.startsWith(u"$CATEGORY:"))
            continue;
        if (trimmed.isEmpty()) {
            endBlock();
            continue;
        }
        if (block.isEmpty())
            blockLine = int(i) + 1;
        block += lines[i];
        block += u'\n';
    }
    endBlock();
    parsed.namePrefix = sharedPrefix(names);
    return parsed;
}

ImportedWorksheets readGift(QStringView text, const QString &title)
{
    const FileQuestions parsed = parseGift(text);
    return worksheetsFrom(parsed.questions, title.trimmed().isEmpty() ? parsed.namePrefix : title);
}

} // namespace terralore
