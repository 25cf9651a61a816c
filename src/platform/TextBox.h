#pragma once

#include "Control.h"

#include <QLineEdit>

namespace terralore {

// A one-line text box with a typing limit. KeyPress reports Enter as 13 (the
// box does not act on it itself) and every typed character by its code.
// However text arrives (typed, pasted, dropped or set), the box never holds a
// line break, tab or other control character: a line break becomes a blank.
class TextBox : public QLineEdit, public Control {
    Q_OBJECT
public:
    TextBox(Form *form, const char *name, int index, float left, float top, float width, float height, const char *face,
            double points, QWidget *parent = nullptr);

    QString Text() const { return text(); }
    // Shows the text whole, even past the typing limit.
    void setText(const QString &text);
    // The most characters typing can bring the box to.
    int MaxLength() const { return m_limit; }
    void setMaxLength(int length);

signals:
    void KeyPress(int KeyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void applyLimit();

    int m_limit = 32767;
};

} // namespace terralore
