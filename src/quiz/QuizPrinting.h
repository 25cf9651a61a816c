#pragma once

class QuizScreen;
class ResultsScreen;

// Prints the quiz loaded on the quiz screen as a worksheet; reports its own
// failures.
void printQuizWorksheet(QuizScreen &form);

// Prints the certificate for full marks with the name typed on the results
// screen; reports its own failures.
void printCertificate(ResultsScreen &form);
