#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

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
    Form *formNamed(const QString &name) const;

    // Closes every screen at once, without further events.
    void unloadAll();
    // Ends the program: every screen closes and the event loop stops.
    void endProgram();
    bool programEnded() const { return m_ended; }
    void resetProgramEnded() { m_ended = false; }

    // The sound choice the main menu opens with (off after a --mute start).
    void setSoundOffAtStart(bool off) { m_soundOffAtStart = off; }
    bool soundOffAtStart() const { return m_soundOffAtStart; }

signals:
    void resized();
    void formShown(terralore::Form *form);

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
};

} // namespace terralore
