#include "WorksheetLayout.h"

#include "PrintSurface.h"
#include "TextCodec.h"

namespace terralore {

QString worksheetHeader()
{
    return QStringLiteral("Terralore") + QString(57, QLatin1Char(' ')) + QStringLiteral("Quillmere Publishing Ltd");
}

void layOutWorksheet(PrintSurface &surface, const Worksheet &worksheet)
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
        surface.setCurrentX(surface.ScaleWidth() / 16);
        surface.Print(QStringLiteral("Question") + signPlace(number) + QStringLiteral("    ") + question.text);
        surface.setCurrentX(surface.ScaleWidth() / 3);
        surface.PrintNoLineEnd(QStringLiteral("A. ") + question.optionA);
        surface.setCurrentX(2 * surface.ScaleWidth() / 3);
        surface.Print(QStringLiteral("B. ") + question.optionB);
        surface.setCurrentX(surface.ScaleWidth() / 3);
        surface.PrintNoLineEnd(QStringLiteral("C. ") + question.optionC);
        surface.setCurrentX(2 * surface.ScaleWidth() / 3);
        surface.Print(QStringLiteral("D. ") + question.optionD);
        surface.Print(space);
    }

    surface.EndDoc();
}

} // namespace terralore
