#include "Buttons.h"

#include "Fonts.h"
#include "Form.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace terralore {

void setButtonColors(QWidget *button, const QColor &fore, const QColor &back)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::ButtonText, fore);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back);
    button->setPalette(pal);
    button->setAutoFillBackground(true);
}

void applyButtonDesign(QAbstractButton *button, Control *control, const ButtonDesign &d)
{
    button->setText(d.caption);
    button->setFont(makeFont(QString::fromLatin1(d.face), d.points, d.bold));
    button->setMouseTracking(true);
    setButtonColors(button, d.fore, d.back);
    control->moveTwips(d.left, d.top, d.width, d.height);
}

OptionButton::OptionButton(Form *form, const ButtonDesign &d, QWidget *parent)
    : QRadioButton(parent ? parent : form->client()), Control(this, form, QString::fromLatin1(d.name), d.index)
{
    applyButtonDesign(this, this, d);
    connect(this, &QRadioButton::clicked, this, [this] { emit Click(); });
}

void OptionButton::setBackColor(const QColor &color)
{
    setButtonColors(this, palette().color(QPalette::WindowText), color);
}

QColor OptionButton::BackColor() const
{
    return palette().color(QPalette::Window);
}

void OptionButton::mouseMoveEvent(QMouseEvent *event)
{
    QRadioButton::mouseMoveEvent(event);
    event->accept();
}

CheckBox::CheckBox(Form *form, const ButtonDesign &d, QWidget *parent)
    : QCheckBox(parent ? parent : form->client()), Control(this, form, QString::fromLatin1(d.name), d.index)
{
    applyButtonDesign(this, this, d);
    connect(this, &QCheckBox::clicked, this, [this] { emit Click(); });
}

void CheckBox::setBackColor(const QColor &color)
{
    setButtonColors(this, palette().color(QPalette::WindowText), color);
}

QColor CheckBox::BackColor() const
{
    return palette().color(QPalette::Window);
}

void CheckBox::mouseMoveEvent(QMouseEvent *event)
{
    QCheckBox::mouseMoveEvent(event);
    event->accept();
}

CommandButton::CommandButton(Form *form, const ButtonDesign &d, QWidget *parent)
    : QPushButton(parent ? parent : form->client()), Control(this, form, QString::fromLatin1(d.name), d.index)
{
    applyButtonDesign(this, this, d);
    connect(this, &QPushButton::clicked, this, [this] { emit Click(); });
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::mouseMoveEvent(QMouseEvent *event)
{
    QPushButton::mouseMoveEvent(event);
    event->accept();
}

} // namespace terralore
