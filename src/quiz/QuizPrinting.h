#pragma once

#include <QString>

namespace terralore {
class Services;
struct Quiz;
struct QuizProgress;
} // namespace terralore

// Prints a quiz as a worksheet under the product's and the quiz's titles;
// tells the user whether it is printing.
void printQuizWorksheet(terralore::Services &services, const QString &productTitle, const QString &quizTitle,
                        const terralore::Quiz &quiz);

// Prints the full-marks certificate for a pupil's name; headingScreenWidth is
// the heading's width in the results screen's font, in twips. Tells the user
// whether it is printing.
void printCertificate(terralore::Services &services, const terralore::QuizProgress &progress, const QString &name,
                      float headingScreenWidth);
