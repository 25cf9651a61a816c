// The speech library: a QTextToSpeech engine on a thread of its own, since
// connecting to the desktop's speech service and listing its voices blocks
// for seconds, and the screens must not wait for it.
#include "Devices.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>

namespace terralore {
namespace {

using State = SpeechDevice::State;

State stateOf(QTextToSpeech::State state)
{
    switch (state) {
    case QTextToSpeech::Ready:
        return State::Ready;
    case QTextToSpeech::Speaking:
    case QTextToSpeech::Paused:
        return State::Speaking;
    default:
        return State::Unavailable;
    }
}

// British English where the engine has a voice for it, else its default.
void preferBritishEnglish(QTextToSpeech &engine)
{
    for (const QLocale &locale : engine.availableLocales()) {
        if (locale.language() == QLocale::English && locale.territory() == QLocale::UnitedKingdom) {
            engine.setLocale(locale);
            return;
        }
    }
}

class ThreadedSpeech final : public SpeechDevice {
public:
    ThreadedSpeech()
    {
        m_thread.setObjectName(QStringLiteral("speech"));
        m_thread.start();
        m_home = new QObject;
        m_home->moveToThread(&m_thread);
        onSpeechThread([this] { startEngine(); });
    }

    State state() const override { return m_state; }

    void say(const QString &text) override
    {
        onSpeechThread([this, text] {
            if (!m_engine)
                return;
            // Cut off what is being said, rather than queue behind it.
            if (m_engine->state() == QTextToSpeech::Speaking)
                m_engine->stop();
            m_engine->say(text);
        });
    }

    void stop() override
    {
        onSpeechThread([this] {
            if (m_engine)
                m_engine->stop();
        });
    }

    void setStateListener(std::function<void(State)> listener) override { m_listener = std::move(listener); }

    // Closes the engine's connection and ends the thread, as the program ends.
    void shutDown()
    {
        onSpeechThread([this] {
            delete m_engine.data();
            m_thread.quit();
        });
        // An engine still connecting cannot be cut short; the program does not wait long for it.
        m_thread.wait(QDeadlineTimer(3000));
    }

private:
    template <class Work> void onSpeechThread(Work work)
    {
        QMetaObject::invokeMethod(m_home, std::move(work), Qt::QueuedConnection);
    }

    // On the speech thread.
    void startEngine()
    {
        if (QTextToSpeech::availableEngines().isEmpty()) {
            report(State::Unavailable);
            return;
        }
        m_engine = new QTextToSpeech(m_home);
        preferBritishEnglish(*m_engine);
        QObject::connect(m_engine, &QTextToSpeech::stateChanged, m_home,
                         [this](QTextToSpeech::State state) { report(stateOf(state)); });
        report(stateOf(m_engine->state()));
    }

    // From the speech thread to the user-interface thread.
    void report(State state)
    {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, state] {
                m_state = state;
                if (m_listener)
                    m_listener(state);
            },
            Qt::QueuedConnection);
    }

    QThread m_thread;
    QObject *m_home = nullptr;        // lives on the speech thread, parent of the engine
    QPointer<QTextToSpeech> m_engine; // used on the speech thread only
    State m_state = State::Starting;  // used on the user-interface thread only
    std::function<void(State)> m_listener;
};

ThreadedSpeech *g_speech = nullptr;

void shutDownSpeech()
{
    if (g_speech)
        g_speech->shutDown();
}

} // namespace
} // namespace terralore

// Made once and kept for the whole run; its thread ends with the application.
extern "C" Q_DECL_EXPORT terralore::SpeechDevice *terraloreMakeSpeechDevice()
{
    terralore::g_speech = new terralore::ThreadedSpeech;
    qAddPostRoutine(terralore::shutDownSpeech);
    return terralore::g_speech;
}
