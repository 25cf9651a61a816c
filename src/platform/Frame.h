#pragma once

#include "Control.h"

#include <QWidget>

namespace terralore {

// A frame without caption: an etched outline that contains other controls,
// which are placed relative to it.
class Frame : public QWidget, public Control {
    Q_OBJECT
public:
    Frame(Form *form, const char *name, float left, float top, float width, float height);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace terralore
