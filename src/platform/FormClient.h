#pragma once

#include <QWidget>

namespace terralore {

class Form;

// The client area of a form: the controls' parent, painted in the form's
// back colour; mouse moves that reach it are moves over the bare form.
class FormClient : public QWidget {
    Q_OBJECT
public:
    FormClient(Form *form, QWidget *parent);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Form *m_form;
};

} // namespace terralore
