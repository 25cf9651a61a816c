#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include "Stage.h"

namespace terralore {

class Control;
class FormClient;
class Services;
struct Session;

// A screen: a layer on the stage drawn as a framed window with a title
// strip (or borderless), holding its controls in the client area. Its outer
// size and position are twips, relative to the stage.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Border { Framed, None };

    // Frame metrics in pixels: a 12000 by 9000 twip screen is 800 by 600
    // pixels outside, frame and title strip included.
    static constexpr int kBorder = 4;
    static constexpr int kTitleStrip = 22;

    explicit Form(const QString &name, Border border = Border::Framed);
    ~Form() override;

    const QString &FormName() const { return m_name; }
    QWidget *client() const;

    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    float widthTwips() const { return m_width; }
    float heightTwips() const { return m_height; }
    void setLeftTwips(float twips);
    void setTopTwips(float twips);
    void setWidthTwips(float twips);
    void setHeightTwips(float twips);
    void moveTwips(float left, float top);
    // Centres the form on the stage, now and whenever the stage's size
    // changes, until it is moved elsewhere.
    void centreOnStage();
    float clientWidthTwips() const;
    float clientHeightTwips() const;

    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // A borderless form that fills the stage and follows its size.
    void setMaximised(bool maximised);

    // Loads (done by the accessor) and puts the layer on top of the stage.
    void Show();
    // Hides the layer and destroys the form after the current event; the
    // next access creates a fresh instance from its design state.
    void Unload();
    bool isUnloading() const { return m_unloading; }

    // Called by the stage once the instance is constructed.
    void load();

    // The controls Tab walks: those that take the focus by Tab, in reading
    // order (rows top to bottom, each left to right). A screen may set its own.
    virtual QList<QWidget *> tabOrder() const;
    // Where the keyboard starts when the screen opens: its first tab stop.
    virtual QWidget *firstFocus() const;
    void focusFirstControl();
    // Tab and Shift+Tab: the next or previous stop that is shown and enabled,
    // round to the first again. An option group is one stop, its chosen
    // option (or its first when none is chosen).
    void moveFocus(bool forward);
    // Offered every key on this screen before the stage's own keyboard
    // rules (Tab, arrows, Escape); true when the screen has taken it.
    virtual bool handleKey(QKeyEvent &) { return false; }
    // Escape acts as this button's click: the screen's Exit or Cancel.
    void setEscapeButton(QWidget *button) { m_escapeButton = button; }
    void pressEscape();

    // What reading the screen aloud says: unless the screen knows better,
    // every caption it shows, from the top left.
    virtual QString textToReadAloud() const;
    // Speaks that text, when the desktop has speech for us.
    void readAloud() const;
    // What a screen reader announces as the screen comes up on top: unless
    // the screen knows better, its heading (its first text that is no button).
    virtual QString announcedOnOpening() const;
    // Every text the screen shows, from the top left, with or without the
    // captions of the buttons and boxes among them.
    QString shownTextAloud(bool withControls) const;

    // Called by the client area for moves over the bare form.
    void dispatchFormMouseMove(int button, int shift, float x, float y) { onBackgroundMouseMove(button, shift, x, y); }

protected:
    // Sets the screen up for showing, after its controls exist.
    virtual void onLoad() {}
    // The pointer moved over the screen itself, off its controls.
    virtual void onBackgroundMouseMove(int button, int shift, float x, float y);

    // The shared state of the running program.
    Session &session() const;
    Services &services() const;
    // Plays an effect when the session's sound is on.
    void playSound(const QString &relativePath) const;
    void playClick() const;
    // Back to the main menu.
    void showHomeScreen() const;

    void paintEvent(QPaintEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void applyGeometry();
    void followStage();
    void detach();
    QList<QWidget *> tabStops() const;

    QString m_name;
    Border m_border;
    FormClient *m_client = nullptr;
    float m_left = 0, m_top = 0, m_width = 12000, m_height = 9000;
    QColor m_backColor = QColor(192, 192, 192);
    QString m_caption;
    bool m_maximised = false;
    bool m_centred = false;
    bool m_unloading = false;
    QPointer<QWidget> m_escapeButton;
};

// Whether the keyboard can reach a control. Qt takes Tab away from the
// options of a group that are not chosen; they are still reachable.
bool takesKeyboardFocus(const QWidget *w);

// Widgets sorted as a page is read: by rows, top to bottom (tops, or
// middles, within a quarter of a control's height share a row), each row
// left to right.
QList<QWidget *> readingOrder(QList<QWidget *> widgets);

} // namespace terralore

// A screen's accessor, named after it: touching it loads the screen.
#define TERRALORE_DECLARE_FORM(Type, accessor)                                                                         \
    inline Type &accessor()                                                                                            \
    {                                                                                                                  \
        return terralore::Stage::instance().screenForm<Type>();                                                        \
    }                                                                                                                  \
    inline Type *accessor##IfLoaded()                                                                                  \
    {                                                                                                                  \
        return terralore::Stage::instance().screenFormIfLoaded<Type>();                                                \
    }
