#include "WorksheetDraft.h"

#include "QuestionFormats.h"
#include "TextCodec.h"
#include "WorksheetTitle.h"

namespace terralore {

namespace {

const char *const kOptionNames[] = {"Option A", "Option B", "Option C", "Option D"};

DraftProblem problem(DraftProblem::Kind kind, int option, const QString &detail = QString())
{
    return {kind, -1, option, detail};
}

// What a value holds that a worksheet cannot: more than longest characters,
// or a character the quiz file cannot store.
DraftProblem contentProblem(const QString &value, int longest, int option)
{
    if (value.size() > longest)
        return problem(DraftProblem::TooLong, option, QString::number(longest));
    if (const QString c = firstUnencodableCharacter(value); !c.isEmpty())
        return problem(DraftProblem::UnwritableCharacter, option, c);
    return {};
}

QString questionName(int question)
{
    return QStringLiteral("Question") + signPlace(question + 1);
}

} // namespace

QString draftOptionName(int option)
{
    return QString::fromLatin1(kOptionNames[option]);
}

QString DraftProblem::sentence(const QString &label) const
{
    const QString value = option < 0 ? label : draftOptionName(option) + QStringLiteral(" of ") + label;
    switch (kind) {
    case Unfinished:
        return value + QStringLiteral(" has no text.");
    case NoRightOption:
        return label + QStringLiteral(" has no right answer.");
    case SeveralRightOptions:
        return label + QStringLiteral(" has more than one right answer.");
    case TooLong:
        return value + QStringLiteral(" is longer than ") + detail + QStringLiteral(" characters.");
    case UnwritableCharacter:
        return value + QStringLiteral(" cannot contain the character ") + detail + QStringLiteral(".");
    case None:
    case Title:
        break;
    }
    return detail;
}

DraftProblem questionProblem(const DraftQuestion &question)
{
    if (question.text.isEmpty())
        return problem(DraftProblem::Unfinished, -1);
    for (int j = 0; j < kDraftOptions; ++j) {
        if (question.options[std::size_t(j)].isEmpty())
            return problem(DraftProblem::Unfinished, j);
    }
    if (question.rightOptions.isEmpty())
        return problem(DraftProblem::NoRightOption, -1);
    if (question.rightOptions.size() > 1)
        return problem(DraftProblem::SeveralRightOptions, -1);
    if (DraftProblem found = contentProblem(question.text, kQuestionLength, -1); !found.isNone())
        return found;
    for (int j = 0; j < kDraftOptions; ++j) {
        if (DraftProblem found = contentProblem(question.options[std::size_t(j)], kOptionLength, j); !found.isNone())
            return found;
    }
    return {};
}

QString titleLengthProblem(const QString &title)
{
    if (title.size() <= kTitleLength)
        return {};
    return QStringLiteral("The title ") + title + QStringLiteral(" is longer than %1 characters.").arg(kTitleLength);
}

DraftProblem WorksheetDraft::firstProblem() const
{
    // The title becomes a file name and an index entry: refused before
    // anything is written, rather than failing half-way through the save.
    if (QString words = worksheetTitleProblem(title); !words.isEmpty())
        return problem(DraftProblem::Title, -1, words);
    if (QString words = titleLengthProblem(title); !words.isEmpty())
        return problem(DraftProblem::Title, -1, words);
    for (int q = 0; q < kQuizQuestions; ++q) {
        DraftProblem found = questionProblem(questions[std::size_t(q)]);
        if (!found.isNone()) {
            found.question = q;
            return found;
        }
    }
    return {};
}

QString WorksheetDraft::validate() const
{
    const DraftProblem found = firstProblem();
    const QString question = questionName(found.question);
    switch (found.kind) {
    case DraftProblem::None:
        return {};
    case DraftProblem::Title:
        return found.detail;
    case DraftProblem::Unfinished:
        return QStringLiteral("You have not completed ") + question;
    case DraftProblem::NoRightOption:
        return QStringLiteral("You have not ticked the correct answer for ") + question;
    case DraftProblem::SeveralRightOptions:
        return QStringLiteral("You have ticked more than one correct answer for ") + question;
    case DraftProblem::TooLong:
    case DraftProblem::UnwritableCharacter:
        break;
    }
    return found.sentence(question);
}

QuizSheet WorksheetDraft::sheet() const
{
    QuizSheet sheet;
    sheet.title = title;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        const DraftQuestion &from = questions[q];
        QuizQuestionText &to = sheet.questions[q];
        to.text = from.text;
        to.options = from.options;
        if (!from.rightOptions.isEmpty())
            to.answer = from.rightOptions.front() + 1;
    }
    return sheet;
}

} // namespace terralore
