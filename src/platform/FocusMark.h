#pragma once

#include <QPointer>
#include <QWidget>

namespace terralore {

// The 2 px outline round the control that has the keyboard focus. It lies
// on the control's screen just above the control, follows it when it moves
// (a caption carried by keyboard) and lets every mouse event through.
class FocusMark : public QWidget {
    Q_OBJECT
public:
    FocusMark();

    // Outlines the given control, or nothing; shown only while enabled.
    void follow(QWidget *control);
    void setEnabledMark(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_control;
    bool m_on = false;
    QColor m_colour;
};

// White on the dark grounds of buttons and screens, black on light ones
// (text boxes): each over 4.5:1 against what it surrounds.
QColor focusMarkColourOn(const QColor &ground);

} // namespace terralore
