#pragma once

#include <QByteArray>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Fonts and painting need a GUI application; the offscreen platform needs no display.
inline void startFuzzApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    // Image readers complain about every damaged input; the fuzzer only cares about crashes.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A property the fuzzer must never break: a crash it keeps the input of.
inline void fuzzCheck(bool condition)
{
    if (!condition)
        std::abort();
}
