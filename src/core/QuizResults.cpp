#include "QuizResults.h"

#include "QuizFile.h"

#include <algorithm>

#include "TextCodec.h"

#include <cmath>

namespace terralore {

PraiseRow praiseRow(int score, int questionCount)
{
    if (score == questionCount)
        return PraiseRow::FullMarks;
    if (score == questionCount - 1)
        return PraiseRow::OneShort;
    if (score == questionCount - 2)
        return PraiseRow::TwoShort;
    return PraiseRow::Lower;
}

QString praiseText(PraiseRow row)
{
    switch (row) {
    case PraiseRow::FullMarks:
        return QStringLiteral("Excellent work. You have scored");
    case PraiseRow::OneShort:
    case PraiseRow::TwoShort:
        return QStringLiteral("Good work. You have scored");
    case PraiseRow::Lower:
        break;
    }
    return QStringLiteral("You have scored");
}

QString scoreLine(int score, int questionCount)
{
    return praiseText(praiseRow(score, questionCount)) + signPlace(score) + QStringLiteral(" out of") +
           signPlace(questionCount) + QStringLiteral(".");
}

QStringList celebrationRow(int score)
{
    switch (score) {
    case 10:
        return {QStringLiteral("wav\\fanf2.wav"), QStringLiteral("wav\\fanf3.wav")};
    case 9:
        return {QStringLiteral("wav\\crowd.wav"), QStringLiteral("wav\\cheer2.wav"), QStringLiteral("wav\\klaxon.wav")};
    case 8:
        return {QStringLiteral("wav\\flute.wav"), QStringLiteral("wav\\gong.wav"), QStringLiteral("wav\\clap2.wav")};
    case 7:
        return {QStringLiteral("wav\\drumroll.wav"), QStringLiteral("wav\\laser2.wav"),
                QStringLiteral("wav\\whizz.wav")};
    case 6:
        return {QStringLiteral("wav\\clap3.wav"), QStringLiteral("wav\\clown.wav")};
    default:
        return {};
    }
}

QString celebrationSound(int score, double random01)
{
    const QStringList row = celebrationRow(score);
    if (row.isEmpty())
        return {};
    const auto n = row.size();
    // NaN and values below 0 take the first file, 1 and above the last.
    const double scaled = std::floor(random01 * double(n));
    const qsizetype r = scaled >= double(n) ? n - 1 : scaled >= 0 ? qsizetype(scaled) : 0;
    return row.at(r);
}

QuizScoring scoreQuiz(const QuizAnswers &rightAnswers)
{
    QuizScoring result;
    for (int i = 1; i <= 10; ++i) {
        if (rightAnswers[std::size_t(i - 1)])
            ++result.score;
        else
            result.wrong.append({(i - 1) - result.score, i});
    }
    return result;
}

QString wrongAnswerCaption(int question, const QString &questionText)
{
    return signPlace(question) + QStringLiteral(". ") + questionText;
}

int answerOption(const QString &correctAnswer)
{
    bool ok = false;
    const int value = correctAnswer.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= 4 ? value : 0;
}

bool answersNameOptions(const Quiz &quiz)
{
    return std::all_of(quiz.questions.begin(), quiz.questions.end(),
                       [](const QuizQuestion &question) { return answerOption(question.answer) != 0; });
}

} // namespace terralore
