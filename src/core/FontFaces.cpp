#include "FontFaces.h"

namespace terralore {

QString fontFamilyFor(const QString &face)
{
    if (face.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    return face;
}

} // namespace terralore
