#include "PrintChecks.h"

#include <cmath>

namespace terralore::test {

QString checkLineAdvance(const QList<PrintRecord> &texts, float pageHeight)
{
    Ruler ruler;
    for (qsizetype i = 1; i < texts.size(); ++i) {
        const PrintRecord &before = texts.at(i - 1);
        const PrintRecord &after = texts.at(i);
        const QString where = QStringLiteral("text %1 (\"%2\") after \"%3\": ").arg(i).arg(after.text, before.text);
        if (!before.lineEnd) {
            if (after.page != before.page || after.y != before.y)
                return where + QStringLiteral("left the line without a line end");
            continue;
        }
        const float next = before.y + ruler.lineHeight(before.fontSize, before.fontName);
        const bool samePage = after.page == before.page && std::abs(after.y - next) < 0.01f;
        const bool freshPage = after.page == before.page + 1 && after.y == 0.0f &&
                               next + ruler.lineHeight(after.fontSize, after.fontName) > pageHeight;
        if (!samePage && !freshPage)
            return where + QStringLiteral("at page %1 y %2, expected y %3").arg(after.page).arg(after.y).arg(next);
        if (after.y + ruler.lineHeight(after.fontSize, after.fontName) > pageHeight && after.y > 0)
            return where + QStringLiteral("reaches below the printable area");
    }
    return QString();
}

} // namespace terralore::test
