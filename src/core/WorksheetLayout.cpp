#include "WorksheetLayout.h"

#include "PrintSurface.h"
#include "TextCodec.h"

#include <QStringList>

#include <algorithm>

namespace terralore {

QString worksheetHeader()
{
    return QStringLiteral("Terralore") + QString(57, QLatin1Char(' ')) + QStringLiteral("Quillmere Publishing Ltd");
}

namespace {

// The marker before an answer key's right option.
const QString kRightMark = QStringLiteral("\u2714 ");

void layOutQuestions(PrintSurface &surface, const Worksheet &worksheet, bool marked)
{
    const QString space = QStringLiteral(" ");

    surface.setFontSize(16);
    surface.setFontName(QStringLiteral("Times New Roman"));
    surface.setCurrentX(surface.ScaleWidth() / 8);
    surface.Print(space);
    surface.setCurrentX(surface.ScaleWidth() / 16);
    surface.PrintNoLineEnd(worksheetHeader());
    surface.Print(space);
    surface.Print(space);

    surface.setFontSize(32);
    surface.PrintCentred(worksheet.productTitle);
    surface.PrintCentred(worksheet.quizTitle);
    surface.Print(space);

    surface.setFontSize(12);
    int number = 0;
    for (const WorksheetQuestion &question : worksheet.questions) {
        ++number;
        const auto option = [&](int which, const char *letter, const QString &text) {
            return (marked && question.answer == which ? kRightMark : QString()) + QLatin1String(letter) +
                   QStringLiteral(". ") + text;
        };
        surface.setCurrentX(surface.ScaleWidth() / 16);
        surface.Print(QStringLiteral("Question") + signPlace(number) + QStringLiteral("    ") + question.text);
        surface.setCurrentX(surface.ScaleWidth() / 3);
        surface.PrintNoLineEnd(option(1, "A", question.optionA));
        surface.setCurrentX(2 * surface.ScaleWidth() / 3);
        surface.Print(option(2, "B", question.optionB));
        surface.setCurrentX(surface.ScaleWidth() / 3);
        surface.PrintNoLineEnd(option(3, "C", question.optionC));
        surface.setCurrentX(2 * surface.ScaleWidth() / 3);
        surface.Print(option(4, "D", question.optionD));
        surface.Print(space);
    }
}

// The height an answer key takes, in twips: what the worksheet's lines and
// the key line need, measured in their fonts.
float answerKeyHeight(PrintSurface &surface, const Worksheet &worksheet)
{
    const double points = surface.FontSize();
    surface.setFontSize(16);
    float height = 3 * surface.TextHeight();
    surface.setFontSize(32);
    height += 3 * surface.TextHeight();
    surface.setFontSize(12);
    height += float(4 * worksheet.questions.size() + 3) * surface.TextHeight();
    surface.setFontSize(points);
    return height;
}

} // namespace

void layOutWorksheet(PrintSurface &surface, const Worksheet &worksheet)
{
    layOutQuestions(surface, worksheet, false);
    surface.EndDoc();
}

QString answerKeyLine(const Worksheet &worksheet)
{
    QStringList pairs;
    for (int i = 0; i < worksheet.questions.size(); ++i) {
        const int answer = worksheet.questions[i].answer;
        pairs << QString::number(i + 1) + QLatin1Char(' ') +
                     (answer >= 1 && answer <= 4 ? QChar(u'A' + answer - 1) : QChar(u'-'));
    }
    return pairs.join(QStringLiteral("  "));
}

void layOutAnswerKey(PrintSurface &surface, const Worksheet &worksheet)
{
    surface.setFontName(QStringLiteral("Times New Roman"));
    const float needed = answerKeyHeight(surface, worksheet);
    if (needed > surface.ScaleHeight())
        surface.fitPageTo(QSizeF(surface.ScaleWidth(), needed));
    layOutQuestions(surface, worksheet, true);
    // The key sits at the foot of the page, below the last question.
    surface.setFontSize(12);
    surface.setCurrentY(std::max(surface.CurrentY(), surface.ScaleHeight() - 2 * surface.TextHeight()));
    surface.setCurrentX(surface.ScaleWidth() / 16);
    surface.Print(QStringLiteral("Answers:  ") + answerKeyLine(worksheet));
    surface.EndDoc();
}

} // namespace terralore
