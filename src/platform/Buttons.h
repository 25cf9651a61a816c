#pragma once

#include "Control.h"

#include <QCheckBox>
#include <QColor>
#include <QPushButton>
#include <QRadioButton>

namespace terralore {

// Design values shared by option buttons, check boxes and command buttons.
struct ButtonDesign {
    const char *name = "button";
    int index = -1;
    float left = 0, top = 0, width = 0, height = 0;
    QString caption;
    const char *face = "Tahoma";
    double points = 8.25;
    bool bold = false;
    QColor fore = QColor(0, 0, 0);
    QColor back = QColor(192, 192, 192);
};

void applyButtonDesign(QAbstractButton *button, Control *control, const ButtonDesign &design);
void setButtonColors(QWidget *button, const QColor &fore, const QColor &back);

// Option buttons with the same container form one group: exactly one is
// selected. Click fires when the user chooses the button, not when code
// sets its value.
class OptionButton : public QRadioButton, public Control {
    Q_OBJECT
public:
    OptionButton(Form *form, const ButtonDesign &design, QWidget *parent = nullptr);
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }
    void setBackColor(const QColor &color);
    QColor BackColor() const;

signals:
    void Click();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

class CheckBox : public QCheckBox, public Control {
    Q_OBJECT
public:
    CheckBox(Form *form, const ButtonDesign &design, QWidget *parent = nullptr);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }
    void setBackColor(const QColor &color);
    QColor BackColor() const;

signals:
    void Click();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

class CommandButton : public QPushButton, public Control {
    Q_OBJECT
public:
    CommandButton(Form *form, const ButtonDesign &design, QWidget *parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

signals:
    void Click();

protected:
    // Enter presses it as Space does, as it would in a dialog.
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace terralore
