#pragma once

// A PulseAudio server of the test's own, in a folder of its own: one sink,
// paced by the system clock as a sound card is, writing every sample it plays
// into a pipe; a reader copies the pipe into a capture file the test counts in.
// Clients in this process reach it through PULSE_SERVER, set by start().

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace terralore::test {

class PulseServer {
public:
    // What the sink plays: 16-bit stereo at 44.1 kHz.
    static constexpr int kRate = 44100;
    static constexpr int kFrameBytes = 4;
    // A frame is loud when either channel is beyond 1% of full scale.
    static constexpr int kLoud = 328;

    ~PulseServer() { stop(); }

    static bool installed()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("paplay")).isEmpty();
    }

    // Empty when the server is up and its sink is being captured; otherwise why not.
    QString start(const QString &folder)
    {
        const QDir dir(folder);
        const QString socket = dir.filePath(QStringLiteral("native"));
        const QString pipe = dir.filePath(QStringLiteral("sink"));
        m_capture = dir.filePath(QStringLiteral("capture.raw"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Nothing of the machine's or the user's sound set-up is read or written.
        for (const char *variable :
             {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            environment.insert(QString::fromLatin1(variable), folder);
        environment.remove(QStringLiteral("PULSE_SERVER"));
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        m_server.setProcessEnvironment(environment);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Run as root (a CI container), the server only warns that it was not meant for it.
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-n"),
                        QStringLiteral("--use-pid-file=no"), QStringLiteral("--realtime=no"),
                        QStringLiteral("--high-priority=no"), QStringLiteral("--log-level=error"),
                        QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                        QStringLiteral("--load=module-pipe-sink sink_name=counted format=s16le rate=44100 "
                                       "channels=2 use_system_clock_for_timing=yes file=") +
                            pipe});
        if (!m_server.waitForStarted())
            return QStringLiteral("pulseaudio did not start: ") + m_server.errorString();
        const QDeadlineTimer deadline(20000);
        while (!(QFile::exists(socket) && QFile::exists(pipe))) {
            if (m_server.state() != QProcess::Running)
                return QStringLiteral("pulseaudio exited with %1").arg(m_server.exitCode());
            if (deadline.hasExpired())
                return QStringLiteral("pulseaudio made no socket and no sink in 20 s");
            QTest::qWait(20);
        }
        // The pipe holds seconds of sound, so a reader kept waiting loses none.
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::fcntl(fd, F_SETPIPE_SZ, 1 << 20);
            ::close(fd);
        }
        m_reader.setStandardOutputFile(m_capture);
        m_reader.start(QStringLiteral("cat"), {pipe});
        if (!m_reader.waitForStarted())
            return QStringLiteral("the sink's reader did not start");
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
        if (!waitForSound(0.2))
            return QStringLiteral("the sink writes no sound");
        return {};
    }

    void stop()
    {
        for (QProcess *process : {&m_reader, &m_server}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
    }

    qint64 capturedBytes() const { return QFileInfo(m_capture).size(); }

    // Waits until the sink has played this many seconds more, silence or not.
    bool waitForSound(double seconds) const
    {
        const qint64 until = capturedBytes() + qint64(seconds * kRate) * kFrameBytes;
        const QDeadlineTimer deadline(qint64(seconds * 1000) + 30000);
        while (capturedBytes() < until) {
            if (deadline.hasExpired())
                return false;
            QTest::qWait(20);
        }
        return true;
    }

    // What the sink played from a point of the capture on.
    QByteArray capturedSince(qint64 offset) const
    {
        QFile file(m_capture);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(offset - offset % kFrameBytes))
            return {};
        QByteArray bytes = file.readAll();
        bytes.chop(bytes.size() % kFrameBytes);
        return bytes;
    }

    // Plays a file through the server's own player, which waits until all of it is played.
    bool playAlone(const QString &path) const { return QProcess::execute(QStringLiteral("paplay"), {path}) == 0; }

private:
    QProcess m_server;
    QProcess m_reader;
    QString m_capture;
};

// The loud frames of 16-bit stereo sound, and where the first and the last of them are.
struct Loudness {
    int frames = 0;
    int first = -1;
    int last = -1;
};

inline Loudness loudness(const QByteArray &stereo)
{
    Loudness result;
    const int count = int(stereo.size() / PulseServer::kFrameBytes);
    for (int i = 0; i < count; ++i) {
        const char *frame = stereo.constData() + qsizetype(i) * PulseServer::kFrameBytes;
        const int left = qint16(quint8(frame[0]) | quint8(frame[1]) << 8);
        const int right = qint16(quint8(frame[2]) | quint8(frame[3]) << 8);
        if (std::abs(left) <= PulseServer::kLoud && std::abs(right) <= PulseServer::kLoud)
            continue;
        ++result.frames;
        if (result.first < 0)
            result.first = i;
        result.last = i;
    }
    return result;
}

} // namespace terralore::test
