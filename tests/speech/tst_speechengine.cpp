// The speech engine against a real speech-dispatcher with eSpeak NG, the
// service's own, private to the test, its sound going to libao's null
// driver, so no sound card is needed: the engine comes up ready, speaks and
// is ready again. Skips where there is no such service or no engine comes up.
#include "Devices.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace terralore;
using State = SpeechDevice::State;

class SpeechEngineTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_service;
    SpeechDevice *m_speech = nullptr;
    QList<State> m_states;

private slots:
    void initTestCase()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
        if (program.isEmpty() || !QFile::exists(QStringLiteral("/usr/lib/speech-dispatcher-modules/sd_espeak-ng")))
            QSKIP("speech-dispatcher with its eSpeak NG module is not installed");
        QFile config(m_dir.filePath(QStringLiteral("speechd.conf")));
        QFile audio(m_dir.filePath(QStringLiteral("home/.libao")));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("home")) && config.open(QIODevice::WriteOnly) &&
                audio.open(QIODevice::WriteOnly));
        config.write("AudioOutputMethod \"libao\"\nAddModule \"espeak-ng\" \"sd_espeak-ng\" \"\"\n"
                     "DefaultModule espeak-ng\n");
        audio.write("default_driver=null\n");
        config.close();
        audio.close();
        const QString socket = m_dir.filePath(QStringLiteral("speechd.sock"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        m_service.setProcessEnvironment(environment);
        m_service.start(program,
                        {QStringLiteral("--run-single"), QStringLiteral("--config-dir"), m_dir.path(),
                         QStringLiteral("--socket-path"), socket, QStringLiteral("--timeout"), QStringLiteral("0")});
        QVERIFY(m_service.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 20000);
        // The engine talks to this service only; none is started elsewhere for it.
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
    }

    void cleanupTestCase()
    {
        if (m_speech)
            m_speech->setStateListener(nullptr);
        m_service.terminate();
        if (!m_service.waitForFinished(5000))
            m_service.kill();
    }

    void comesUpSpeaksAndIsReadyAgain()
    {
        SpeechDevice *speech = m_speech = speechDevice();
        QVERIFY(speech);
        speech->setStateListener([this](State state) { m_states << state; });
        // Connecting and listing the voices takes seconds.
        QTRY_VERIFY_WITH_TIMEOUT(speech->state() != State::Starting, 60000);
        if (speech->state() == State::Unavailable)
            QSKIP("no speech engine came up");
        QCOMPARE(speech->state(), State::Ready);
        m_states.clear();
        speech->say(QStringLiteral("Question 1. How is igneous rock made?"));
        QTRY_VERIFY_WITH_TIMEOUT(m_states.contains(State::Speaking), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(m_states.last(), State::Ready, 30000);
        QCOMPARE(speech->state(), State::Ready);
    }
};

QTEST_GUILESS_MAIN(SpeechEngineTest)
#include "tst_speechengine.moc"
