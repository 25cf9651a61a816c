#include "QuizRun.h"

#include "QuizResults.h"

#include <utility>

namespace terralore {

namespace {

QuizAnswers rightAnswers(const QuizRun &run)
{
    QuizAnswers answers{};
    for (int q = 0; q < kQuizQuestions; ++q)
        answers[std::size_t(q)] = run.isRight(q);
    return answers;
}

} // namespace

QuizRun::QuizRun(const Quiz &quiz, QString heading) : m_quiz(quiz), m_heading(std::move(heading))
{}

const QuizQuestion &QuizRun::question() const
{
    return m_quiz.questions[std::size_t(finished() ? kQuizQuestions - 1 : m_current)];
}

QuizRun::Choice QuizRun::chosen() const
{
    return finished() ? Choice::None : m_chosen[std::size_t(m_current)];
}

void QuizRun::choose(Choice choice)
{
    if (!finished())
        m_chosen[std::size_t(m_current)] = choice;
}

void QuizRun::previous()
{
    if (m_current == 0 || finished())
        return;
    --m_current;
    m_chosen[std::size_t(m_current)] = Choice::None;
}

void QuizRun::next()
{
    if (finished())
        return;
    ++m_current;
    if (!finished())
        m_chosen[std::size_t(m_current)] = Choice::None;
}

bool QuizRun::isRight(int question) const
{
    if (question < 0 || question >= kQuizQuestions)
        return false;
    const int digit = answerOption(m_quiz.questions[std::size_t(question)].answer);
    return digit != 0 && int(m_chosen[std::size_t(question)]) == digit;
}

int QuizRun::score() const
{
    return scoreQuiz(rightAnswers(*this)).score;
}

QList<WrongQuestion> QuizRun::wrong() const
{
    QList<WrongQuestion> list;
    for (const WrongAnswer &answer : scoreQuiz(rightAnswers(*this)).wrong)
        list.append({answer.question, m_quiz.questions[std::size_t(answer.question - 1)].text});
    return list;
}

Result QuizRun::result() const
{
    return {.source = Result::Source::Quiz,
            .score = score(),
            .outOf = questionCount(),
            .title = m_quiz.title,
            .certificateHeading = m_heading,
            .wrong = wrong()};
}

} // namespace terralore
