#include "Devices.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace terralore {

namespace {

// Beside the program (a build), in its library folder (installed), or where
// the build put them (tests and benchmarks run from other folders).
QStringList libraryFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, program + QStringLiteral("/../lib/terralore"), QStringLiteral(TERRALORE_DEVICE_LIBRARIES)};
}

template <class Device> Device *load(const char *library, const char *maker)
{
    for (const QString &folder : libraryFolders()) {
        QLibrary candidate(folder + QLatin1Char('/') + QLatin1String(library));
        // The library stays loaded for the rest of the run.
        if (auto make = reinterpret_cast<Device *(*)()>(candidate.resolve(maker)))
            return make();
    }
    qWarning("Terralore: %s could not be loaded", library);
    return nullptr;
}

} // namespace

PrinterDevice *printerDevice()
{
    // Kept for the whole run, never destroyed: its library outlives the program.
    static PrinterDevice *const device = load<PrinterDevice>("terralore-printer", kPrinterDeviceMaker);
    return device;
}

SoundDevice *soundDevice()
{
    static SoundDevice *const device = load<SoundDevice>("terralore-sound", kSoundDeviceMaker);
    return device;
}

SpeechDevice *speechDevice()
{
    static SpeechDevice *const device = load<SpeechDevice>("terralore-speech", kSpeechDeviceMaker);
    return device;
}

} // namespace terralore
