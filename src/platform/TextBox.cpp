#include "TextBox.h"

#include "Fonts.h"
#include "Form.h"

#include <QKeyEvent>

namespace terralore {

TextBox::TextBox(Form *form, const char *name, int index, float left, float top, float width, float height,
                 const char *face, double points, QWidget *parent)
    : QLineEdit(parent ? parent : form->client()), Control(this, form, QString::fromLatin1(name), index)
{
    setFont(makeFont(QString::fromLatin1(face), points));
    setMouseTracking(true);
    Move(left, top, width, height);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit KeyPress(13);
        event->accept();
        return;
    }
    const QString typed = event->text();
    QLineEdit::keyPressEvent(event);
    if (typed.size() == 1 && typed.at(0).unicode() >= 32)
        emit KeyPress(typed.at(0).unicode());
}

void TextBox::mouseMoveEvent(QMouseEvent *event)
{
    QLineEdit::mouseMoveEvent(event);
    event->accept();
}

} // namespace terralore
