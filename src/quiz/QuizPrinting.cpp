#include "QuizPrinting.h"

#include "CertificateLayout.h"
#include "QuizResults.h"
#include "Services.h"
#include "Session.h"
#include "WorksheetLayout.h"

using namespace terralore;

namespace {
const QString kPrintingProblem = QStringLiteral("There was a problem printing to your printer.");
} // namespace

void printQuizWorksheet(Services &services, const QString &productTitle, const QString &quizTitle, const Quiz &quiz,
                        WorksheetCopy copy)
{
    Worksheet sheet;
    sheet.productTitle = productTitle;
    sheet.quizTitle = quizTitle;
    for (const QuizQuestion &q : quiz.questions)
        sheet.questions.append(
            {q.text, q.options[0], q.options[1], q.options[2], q.options[3], answerOption(q.answer)});
    const bool key = copy == WorksheetCopy::AnswerKey;
    if (!services.print([&sheet, key](PrintSurface &surface) {
            key ? layOutAnswerKey(surface, sheet) : layOutWorksheet(surface, sheet);
        })) {
        services.showMessage(kPrintingProblem, MsgButtons::OK);
        return;
    }
    services.showMessage(key ? QStringLiteral("Your answer key is now printing.")
                             : QStringLiteral("Your worksheet is now printing."),
                         MsgButtons::OK);
}

void printCertificate(Services &services, const QuizProgress &progress, const QString &name, float headingScreenWidth)
{
    Certificate certificate;
    certificate.heading = progress.certificateHeading;
    certificate.name = name;
    certificate.score = progress.score;
    certificate.questionCount = progress.questionCount;
    certificate.headingScreenWidth = headingScreenWidth;
    if (!services.print([&certificate](PrintSurface &surface) { layOutCertificate(surface, certificate); })) {
        services.showMessage(kPrintingProblem, MsgButtons::OK);
        return;
    }
    services.showMessage(QStringLiteral("Your certificate is now printing."), MsgButtons::OK);
}
