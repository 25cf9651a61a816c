#pragma once

#include <QString>

namespace terralore {
class Services;
struct Quiz;
struct QuizProgress;
} // namespace terralore

enum class WorksheetCopy { Pupils, AnswerKey };

// Prints a quiz as a worksheet under the product's and the quiz's titles,
// for the pupils or as the teacher's answer key; tells the user whether it
// is printing.
void printQuizWorksheet(terralore::Services &services, const QString &productTitle, const QString &quizTitle,
                        const terralore::Quiz &quiz, WorksheetCopy copy = WorksheetCopy::Pupils);

// Prints the full-marks certificate for a pupil's name; headingScreenWidth is
// the heading's width in the results screen's font, in twips. Tells the user
// whether it is printing.
void printCertificate(terralore::Services &services, const terralore::QuizProgress &progress, const QString &name,
                      float headingScreenWidth);
