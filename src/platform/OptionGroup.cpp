#include "OptionGroup.h"

#include "Form.h"

namespace terralore {

OptionGroup::OptionGroup(Form *form, const char *name, float left, float top, float width, float height)
    : QWidget(form->client()), Control(this, form, QString::fromLatin1(name), -1)
{
    // Unlike other controls it leaves its mouse events unhandled, so Qt hands
    // them on to the form's client; the moves must reach it to be handed on.
    setAttribute(Qt::WA_NoMousePropagation, false);
    setMouseTracking(true);
    moveTwips(left, top, width, height);
}

} // namespace terralore
