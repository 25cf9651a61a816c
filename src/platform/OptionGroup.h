#pragma once

#include "Control.h"

#include <QWidget>

namespace terralore {

// A container that holds option buttons as one group for screen readers,
// which present it named by its accessible name (what the options answer).
// On screen it is not there: it paints nothing, and pointer moves and
// presses over the gaps between its buttons go on to the form beneath, as
// over the bare form. The buttons in it are placed relative to it.
class OptionGroup : public QWidget, public Control {
    Q_OBJECT
public:
    OptionGroup(Form *form, const char *name, float left, float top, float width, float height);
};

} // namespace terralore
