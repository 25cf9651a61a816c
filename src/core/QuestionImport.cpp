#include "QuestionImport.h"

#include "TextCodec.h"
#include "WorksheetDraft.h"

#include <QRegularExpression>

namespace terralore {

namespace {

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

// The question as a worksheet's, once it has four options.
DraftQuestion draftQuestion(const FileQuestion &question)
{
    DraftQuestion draft{question.text, {}, question.right};
    for (std::size_t j = 0; j < draft.options.size(); ++j)
        draft.options[j] = question.options[qsizetype(j)];
    return draft;
}

// What the file says wrong first, then what the worksheet's own check finds,
// in words that name the question as the file has it.
QString fileQuestionProblem(const FileQuestion &question, int number)
{
    const QString name = questionLabel(question, number);
    if (!question.problem.isEmpty())
        return name + u' ' + question.problem;
    if (const qsizetype options = question.options.size(); options != kDraftOptions)
        return name + QStringLiteral(" does not have four options: it has %1.")
                          .arg(options == 0 ? QStringLiteral("none") : QString::number(options));
    if (const DraftProblem problem = questionProblem(draftQuestion(question)); !problem.isNone())
        return problem.sentence(name);
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
                where = draftOptionName(int(j)) + QStringLiteral(" of ") + questionLabel(question, int(i) + 1);
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
        if (const QString problem = fileQuestionProblem(questions[i], int(i) + 1); !problem.isEmpty())
            return refused(problem);
    }
    if (questions.isEmpty() || questions.size() % kQuizQuestions != 0)
        return refused(countProblem(questions.size()));
    const QString name = worksheetValue(title);
    const qsizetype count = questions.size() / kQuizQuestions;
    ImportedWorksheets imported;
    for (qsizetype s = 0; s < count; ++s) {
        WorksheetDraft draft;
        // An empty title is the saving code's to ask for, not numbered here.
        draft.title = count == 1 || name.isEmpty() ? name : name + u' ' + QString::number(s + 1);
        if (const QString problem = titleLengthProblem(draft.title); !problem.isEmpty())
            return refused(problem);
        for (int q = 0; q < kQuizQuestions; ++q)
            draft.questions[std::size_t(q)] = draftQuestion(questions[s * kQuizQuestions + q]);
        imported.sheets.append(draft.sheet());
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
