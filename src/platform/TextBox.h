#pragma once

#include "Control.h"

#include <QLineEdit>

namespace terralore {

// A one-line text box with a maximum length. KeyPress reports Enter as 13
// (the box does not act on it itself) and every typed character by its code.
class TextBox : public QLineEdit, public Control {
    Q_OBJECT
public:
    TextBox(Form *form, const char *name, int index, float left, float top, float width, float height, const char *face,
            double points, QWidget *parent = nullptr);

    QString Text() const { return text(); }
    void setText(const QString &text) { QLineEdit::setText(text); }
    int MaxLength() const { return maxLength(); }
    void setMaxLength(int length) { QLineEdit::setMaxLength(length > 0 ? length : 32767); }

signals:
    void KeyPress(int KeyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace terralore
