#pragma once

class multipleForm;
class WelldoneForm;

// Prints the quiz loaded on the quiz screen as a worksheet; reports its own
// failures.
void printQuizWorksheet(multipleForm &form);

// Prints the certificate for full marks with the name typed on the results
// screen; reports its own failures.
void printCertificate(WelldoneForm &form);
