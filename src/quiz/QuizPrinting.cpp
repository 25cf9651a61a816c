#include "QuizPrinting.h"

#include "CertificateLayout.h"
#include "Fonts.h"
#include "MessageBox.h"
#include "Module1.h"
#include "Printing.h"
#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "Twips.h"
#include "WorksheetLayout.h"

#include <QFontMetricsF>

using namespace terralore;

namespace {

const QString kPrintingProblem = QStringLiteral("There was a problem printing to your printer.");

// A form's own font is the standard one of every screen, Tahoma 8.25 point,
// unless the form was given another; its widths are screen pixels.
float formTextWidth(const Form &form, const QString &text)
{
    const QFont font = form.testAttribute(Qt::WA_SetFont) ? form.font() : makeFont(QStringLiteral("Tahoma"), 8.25);
    return float(QFontMetricsF(font).horizontalAdvance(text)) * kTwipsPerPixel;
}

} // namespace

void printQuizWorksheet(QuizScreen &form)
{
    Worksheet sheet;
    sheet.productTitle = form.Label5->Caption();
    sheet.quizTitle = form.Label6->Caption();
    for (int i = 1; i <= 10; ++i) {
        sheet.questions.append({Module1::QuestionText[i], Module1::OptionA[i], Module1::OptionB[i], Module1::OptionC[i],
                                Module1::OptionD[i]});
    }
    if (!printOnDefaultPrinter([&sheet](PrintSurface &surface) { layOutWorksheet(surface, sheet); })) {
        MsgBox(kPrintingProblem);
        return;
    }
    MsgBox(QStringLiteral("Your worksheet is now printing."));
}

void printCertificate(ResultsScreen &form)
{
    Certificate certificate;
    certificate.heading = Module1::CertificateHeading;
    certificate.name = form.Text1->Text();
    certificate.score = Module1::Score;
    certificate.questionCount = Module1::QuestionCount;
    certificate.headingScreenWidth = formTextWidth(form, certificate.heading);
    if (!printOnDefaultPrinter([&certificate](PrintSurface &surface) { layOutCertificate(surface, certificate); })) {
        MsgBox(kPrintingProblem);
        return;
    }
    MsgBox(QStringLiteral("Your certificate is now printing."));
}
