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

    surface.setFont({QStringLiteral("Times New Roman"), 16});
    surface.setX(surface.pageWidth() / 8);
    surface.drawTextLine(space);
    surface.setX(surface.pageWidth() / 16);
    surface.drawText(worksheetHeader());
    surface.drawTextLine(space);
    surface.drawTextLine(space);

    surface.setPointSize(32);
    surface.drawCentredTextLine(worksheet.productTitle);
    surface.drawCentredTextLine(worksheet.quizTitle);
    surface.drawTextLine(space);

    surface.setPointSize(12);
    int number = 0;
    for (const WorksheetQuestion &question : worksheet.questions) {
        ++number;
        const auto option = [&](int which, const char *letter, const QString &text) {
            return (marked && question.answer == which ? kRightMark : QString()) + QLatin1String(letter) +
                   QStringLiteral(". ") + text;
        };
        surface.setX(surface.pageWidth() / 16);
        surface.drawTextLine(QStringLiteral("Question") + signPlace(number) + QStringLiteral("    ") + question.text);
        surface.setX(surface.pageWidth() / 3);
        surface.drawText(option(1, "A", question.optionA));
        surface.setX(2 * surface.pageWidth() / 3);
        surface.drawTextLine(option(2, "B", question.optionB));
        surface.setX(surface.pageWidth() / 3);
        surface.drawText(option(3, "C", question.optionC));
        surface.setX(2 * surface.pageWidth() / 3);
        surface.drawTextLine(option(4, "D", question.optionD));
        surface.drawTextLine(space);
    }
}

// The height an answer key takes, in twips: what the worksheet's lines and
// the key line need, measured in their fonts.
float answerKeyHeight(PrintSurface &surface, const Worksheet &worksheet)
{
    const double points = surface.font().pointSize;
    surface.setPointSize(16);
    float height = 3 * surface.lineHeight();
    surface.setPointSize(32);
    height += 3 * surface.lineHeight();
    surface.setPointSize(12);
    height += float(4 * worksheet.questions.size() + 3) * surface.lineHeight();
    surface.setPointSize(points);
    return height;
}

} // namespace

void layOutWorksheet(PrintSurface &surface, const Worksheet &worksheet)
{
    layOutQuestions(surface, worksheet, false);
    surface.finish();
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
    surface.setFont({QStringLiteral("Times New Roman"), 12});
    const float needed = answerKeyHeight(surface, worksheet);
    if (needed > surface.pageHeight())
        surface.fitPageTo(QSizeF(surface.pageWidth(), needed));
    layOutQuestions(surface, worksheet, true);
    // The key sits at the foot of the page, below the last question.
    surface.setPointSize(12);
    surface.setY(std::max(surface.y(), surface.pageHeight() - 2 * surface.lineHeight()));
    surface.setX(surface.pageWidth() / 16);
    surface.drawTextLine(QStringLiteral("Answers:  ") + answerKeyLine(worksheet));
    surface.finish();
}

} // namespace terralore
