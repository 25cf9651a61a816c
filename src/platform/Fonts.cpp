#include "Fonts.h"

#include <QFileInfo>
#include <QFontDatabase>

#include <cmath>

namespace terralore {

void registerFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const char *files[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
    for (const char *file : files) {
        if (QFileInfo::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
}

QFont makeFont(const QString &face, double points, bool bold)
{
    registerFonts();
    QFont font(fontFamilyFor(face));
    font.setPixelSize(std::max(1, int(std::lround(points * 4.0 / 3.0))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace terralore
