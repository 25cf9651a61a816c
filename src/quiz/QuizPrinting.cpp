#include "QuizPrinting.h"

#include "MessageBox.h"

// Printing is not wired to a printer yet: both routines report the failure
// the user would see when the printer is unavailable.

void printQuizWorksheet(multipleForm &)
{
    terralore::MsgBox(QStringLiteral("There was a problem printing to your printer."));
}

void printCertificate(WelldoneForm &)
{
    terralore::MsgBox(QStringLiteral("There was a problem printing to your printer."));
}
