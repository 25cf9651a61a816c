#include "QuestionImport.h"

#include "TextCodec.h"

#include <QRegularExpression>

namespace terralore {

namespace {

const char *const kOptionNames[] = {"Option A", "Option B", "Option C", "Option D"};

// Why a value cannot go into a worksheet box, as the end of a sentence, or
// an empty string. The wording follows the wizard's own messages.
QString valueProblem(const QString &value, int longest)
{
    if (value.isEmpty())
        return QStringLiteral(" has no text.");
    if (value.size() > longest)
        return QStringLiteral(" is longer than %1 characters.").arg(longest);
    if (const QString c = firstUnencodableCharacter(value); !c.isEmpty())
        return QStringLiteral(" cannot contain the character ") + c + QStringLiteral(".");
    return {};
}

// "Question 4 (Rocks Q4)" or "Question 4 (line 31)": a teacher with a long
// file need not count to find it.
QString questionLabel(const FileQuestion &question, int number)
{
    QString label = QStringLiteral("Question") + signPlace(number);
    if (!question.name.isEmpty())
        return label + QStringLiteral(" (") + question.name + u')';
    if (question.line > 0)
        return label + QStringLiteral(" (line %1)").arg(question.line);
    return label;
}

QString questionProblem(const FileQuestion &question, int number)
{
    const QString name = questionLabel(question, number);
    if (!question.problem.isEmpty())
        return name + u' ' + question.problem;
    if (const qsizetype options = question.options.size(); options != 4)
        return name + QStringLiteral(" does not have four options: it has %1.")
                          .arg(options == 0 ? QStringLiteral("none") : QString::number(options));
    if (question.right.isEmpty())
        return name + QStringLiteral(" has no right answer.");
    if (question.right.size() > 1)
        return name + QStringLiteral(" has more than one right answer.");
    if (const QString problem = valueProblem(question.text, kQuestionLength); !problem.isEmpty())
        return name + problem;
    for (qsizetype j = 0; j < 4; ++j) {
        if (const QString problem = valueProblem(question.options[j], kOptionLength); !problem.isEmpty())
            return QString::fromLatin1(kOptionNames[j]) + QStringLiteral(" of ") + name + problem;
    }
    return {};
}

QString countProblem(qsizetype count)
{
    if (count == 0)
        return QStringLiteral("The file holds no questions.");
    return QStringLiteral("The file holds %1 %2. A worksheet takes 10, and a longer file must hold 20, 30 or "
                          "another multiple of 10.")
        .arg(count)
        .arg(count == 1 ? QStringLiteral("question") : QStringLiteral("questions"));
}

ImportedWorksheets refused(const QString &why)
{
    return {{}, why, {}};
}

// Worksheets keep every "&" as a comma (the quiz file's comma escape): the
// teacher is told once, with the first value it changes.
QString ampersandNotice(const QList<FileQuestion> &questions, const QString &title)
{
    QString where;
    if (title.contains(u'&'))
        where = QStringLiteral("the title");
    for (qsizetype i = 0; i < questions.size() && where.isEmpty(); ++i) {
        const FileQuestion &question = questions[i];
        if (question.text.contains(u'&'))
            where = questionLabel(question, int(i) + 1);
        for (qsizetype j = 0; j < question.options.size() && where.isEmpty(); ++j) {
            if (question.options[j].contains(u'&'))
                where =
                    QString::fromLatin1(kOptionNames[j]) + QStringLiteral(" of ") + questionLabel(question, int(i) + 1);
        }
    }
    if (where.isEmpty())
        return {};
    return QStringLiteral("Each \"&\" was changed to a comma, as worksheets keep it; the first was in ") + where + u'.';
}

} // namespace

QString worksheetValue(QStringView raw)
{
    // C0 and C1 controls (tabs and line ends among them) and the Unicode line separators.
    static const QRegularExpression breaks(QStringLiteral(
        "[ ]*[\\x{0}-\\x{1f}\\x{7f}-\\x{9f}\\x{2028}\\x{2029}][ \\x{0}-\\x{1f}\\x{7f}-\\x{9f}\\x{2028}\\x{2029}]*"));
    QString value = raw.toString();
    value.replace(breaks, QStringLiteral(" "));
    return value.trimmed();
}

bool looksLikeText(QStringView text)
{
    qsizetype controls = 0;
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\v' && c != u'\f')
            ++controls;
    }
    return controls * 100 <= text.size();
}

QList<QStringView> textLines(QStringView text)
{
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

ImportedWorksheets worksheetsFrom(const QList<FileQuestion> &questions, const QString &title)
{
    // The questions first: a description or a true/false question among
    // them is more to the point than the count it throws off.
    for (qsizetype i = 0; i < questions.size(); ++i) {
        if (const QString problem = questionProblem(questions[i], int(i) + 1); !problem.isEmpty())
            return refused(problem);
    }
    if (questions.isEmpty() || questions.size() % kQuizQuestions != 0)
        return refused(countProblem(questions.size()));
    const QString name = worksheetValue(title);
    const qsizetype count = questions.size() / kQuizQuestions;
    ImportedWorksheets imported;
    for (qsizetype s = 0; s < count; ++s) {
        QuizSheet sheet;
        // An empty title is the saving code's to ask for, not numbered here.
        sheet.title = count == 1 || name.isEmpty() ? name : name + u' ' + QString::number(s + 1);
        if (sheet.title.size() > kTitleLength)
            return refused(QStringLiteral("The title ") + sheet.title +
                           QStringLiteral(" is longer than %1 characters.").arg(kTitleLength));
        for (int q = 0; q < kQuizQuestions; ++q) {
            const FileQuestion &from = questions[s * kQuizQuestions + q];
            QuizQuestionText &to = sheet.questions[std::size_t(q)];
            to.text = from.text;
            for (std::size_t j = 0; j < 4; ++j)
                to.options[j] = from.options[qsizetype(j)];
            to.answer = from.right.front() + 1;
        }
        imported.sheets.append(sheet);
    }
    imported.notice = ampersandNotice(questions, name);
    return imported;
}

QByteArray questionBlocks(const QuizSheet &sheet, QString (*block)(const QuizSheet &sheet, std::size_t question))
{
    QString text;
    for (std::size_t q = 0; q < sheet.questions.size(); ++q)
        text += (q > 0 ? QStringLiteral("\n") : QString()) + block(sheet, q);
    return text.toUtf8();
}

} // namespace terralore
