#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace terralore {

struct Quiz;

// What the results screen shows, decided from the score and the maximum
// score alone, so the quiz and the drag-and-drop activities share it.
enum class PraiseRow { FullMarks, OneShort, TwoShort, Lower };

PraiseRow praiseRow(int score, int questionCount);
// The praise that opens the score line ("Good work. You have scored").
QString praiseText(PraiseRow row);
// The whole score line: "Good work. You have scored 8 out of 10."
QString scoreLine(int score, int questionCount);

// The celebration sounds for a score, by score alone; empty below 6 or
// above 10, so the activities (maximum 3 to 5) stay silent.
QStringList celebrationRow(int score);
// One file of the row, each with an equal chance for a uniform random01 in
// [0, 1); empty when the row is. Values outside [0, 1) are held to its ends.
QString celebrationSound(int score, double random01);

// A scored quiz: the score and, for each wrong answer in question order,
// the question number and the entry of the wrong-answer list it fills
// (the j-th wrong answer goes into entry j, counting from 0).
struct WrongAnswer {
    int entry;
    int question;
};
struct QuizScoring {
    int score = 0;
    QList<WrongAnswer> wrong;
};
// Scores the answers of questions 1 to 10 (element 0 is question 1).
using QuizAnswers = std::array<bool, 10>;
QuizScoring scoreQuiz(const QuizAnswers &rightAnswers);

// An entry of the wrong-answer list: " 3. " and the question's text.
QString wrongAnswerCaption(int question, const QString &questionText);

// The number of the correct option from an answer digit as stored; 0 when
// the text is not a whole number from 1 to 4, which no option matches.
int answerOption(const QString &correctAnswer);
// Whether every question's answer digit names one of its options.
bool answersNameOptions(const Quiz &quiz);

} // namespace terralore
