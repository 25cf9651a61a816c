#pragma once

#include "QuizFile.h"
#include "Result.h"

#include <array>

namespace terralore {

// One pupil's way through a loaded quiz: the question on screen, the answer
// chosen for each question, and what the run scores. Every question comes up
// with no answer chosen, also one returned to, so a question counts as it was
// answered when it was last left forwards.
class QuizRun {
public:
    // A to D carry the answer digits that name them.
    enum class Choice { None = 0, A = 1, B = 2, C = 3, D = 4 };

    QuizRun() = default;
    // heading: the product title line shown over the quiz, which a
    // full-marks certificate carries.
    QuizRun(const Quiz &quiz, QString heading);

    const Quiz &quiz() const { return m_quiz; }
    const QString &heading() const { return m_heading; }
    int questionCount() const { return kQuizQuestions; }

    // 0-based; questionCount() once the last question has been left.
    int current() const { return m_current; }
    const QuizQuestion &question() const;
    bool onFirst() const { return m_current == 0; }
    bool onLast() const { return m_current == kQuizQuestions - 1; }
    bool finished() const { return m_current >= kQuizQuestions; }

    // The answer chosen for the current question; None once finished.
    Choice chosen() const;
    void choose(Choice choice);
    // Back one question (none before the first), which starts again unanswered.
    void previous();
    // On to the next question, unanswered; after the last the run is finished.
    void next();

    // Whether question (0-based) has the option its answer digit names; a
    // digit outside 1 to 4 names none, so that question is wrong.
    bool isRight(int question) const;
    int score() const;
    QList<WrongQuestion> wrong() const;
    Result result() const;

private:
    Quiz m_quiz;
    QString m_heading;
    int m_current = 0;
    std::array<Choice, kQuizQuestions> m_chosen{};
};

} // namespace terralore
