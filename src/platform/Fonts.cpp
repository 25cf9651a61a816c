#include "Fonts.h"

#include <QFileInfo>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <future>
#include <mutex>

namespace terralore {

namespace {

std::once_flag g_registered;
std::future<void> g_configuration;
std::future<void> g_background;

void addFaces()
{
    const char *files[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
    for (const char *file : files) {
        if (QFileInfo::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
}

} // namespace

void registerFonts()
{
    // A caller that comes while the background registration runs waits for it.
    std::call_once(g_registered, addFaces);
}

void startReadingFontConfiguration()
{
    // Qt's font database then finds fontconfig's configuration and caches
    // already loaded.
    g_configuration = std::async(std::launch::async, [] { FcInit(); });
}

void startRegisteringFonts()
{
    g_background = std::async(std::launch::async, [] {
        if (g_configuration.valid())
            g_configuration.wait();
        registerFonts();
    });
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
