#pragma once

#include "Services.h"
#include "Session.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <typeindex>
#include <unordered_map>

class QScreen;

namespace terralore {

class Form;

// The one native window. Every screen is a layer on it; the backdrop is a
// layer the size of the stage. "The display" is the stage.
class Stage : public QWidget {
    Q_OBJECT
public:
    ~Stage() override;
    static Stage &instance();
    static bool exists();

    // Full screen on the screen the stage starts on, from the first frame,
    // with or without a window manager, following that screen's size.
    void showFullScreenOnItsScreen();

    float widthTwips() const;
    float heightTwips() const;

    void registerForm(Form *form);
    void unregisterForm(Form *form);
    const QList<Form *> &forms() const { return m_forms; }

    // Closes every screen at once, without further events.
    void unloadAll();
    // Ends the program: every screen closes and the event loop stops.
    void endProgram();
    bool programEnded() const { return m_ended; }
    void resetProgramEnded() { m_ended = false; }

    // The sound choice the main menu opens with (off after a --mute start).
    void setSoundOffAtStart(bool off) { m_soundOffAtStart = off; }
    bool soundOffAtStart() const { return m_soundOffAtStart; }

    // What the screens share while the program runs.
    Session &session() { return m_session; }
    // Closes every screen and forgets the session: the state of a fresh start.
    void startFreshSession();

    Services &services() { return *m_services; }
    void setServices(std::unique_ptr<Services> services) { m_services = std::move(services); }

    // The main menu, which every screen's way back leads to. The program
    // names it at start, so the screens need not know it.
    void setHomeScreen(std::function<void()> show) { m_showHome = std::move(show); }
    void showHomeScreen();

    // One instance per screen type, created and loaded on first use; it is
    // forgotten when it unloads, so the next use starts it afresh.
    template <class T> T &screenForm()
    {
        const std::type_index key(typeid(T));
        if (auto it = m_screens.find(key); it != m_screens.end())
            return static_cast<T &>(*it->second);
        T *form = new T();
        m_screens[key] = form;
        form->load();
        return *form;
    }
    template <class T> T *screenFormIfLoaded() const
    {
        auto it = m_screens.find(std::type_index(typeid(T)));
        return it == m_screens.end() ? nullptr : static_cast<T *>(it->second);
    }
    void forgetScreen(Form *form);
    // The screen lying on top of the others, which the keyboard plays.
    Form *topForm() const;

signals:
    void resized();
    void formShown(terralore::Form *form);
    // The speech engine came up, started or stopped speaking, or failed.
    void speechStateChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Stage();
    void followScreen(QScreen *screen);
    QList<Form *> m_forms;
    bool m_ended = false;
    QPointer<QScreen> m_followed;
    bool m_soundOffAtStart = false;
    Session m_session;
    std::unique_ptr<Services> m_services;
    std::function<void()> m_showHome;
    std::unordered_map<std::type_index, Form *> m_screens;
};

} // namespace terralore
