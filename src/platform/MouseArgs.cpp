#include "MouseArgs.h"

#include "Twips.h"

namespace terralore {

namespace {

int buttonMask(Qt::MouseButtons buttons)
{
    int mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= vbLeftButton;
    if (buttons & Qt::RightButton)
        mask |= vbRightButton;
    if (buttons & Qt::MiddleButton)
        mask |= vbMiddleButton;
    return mask;
}

MouseArgs make(const QMouseEvent *event, Qt::MouseButtons buttons)
{
    MouseArgs args;
    args.button = buttonMask(buttons);
    const Qt::KeyboardModifiers mods = event->modifiers();
    args.shift = ((mods & Qt::ShiftModifier) ? vbShiftMask : 0) | ((mods & Qt::ControlModifier) ? vbCtrlMask : 0) |
                 ((mods & Qt::AltModifier) ? vbAltMask : 0);
    args.x = float(event->position().x()) * kTwipsPerPixel;
    args.y = float(event->position().y()) * kTwipsPerPixel;
    return args;
}

} // namespace

MouseArgs MouseArgs::fromMove(const QMouseEvent *event)
{
    return make(event, event->buttons());
}

MouseArgs MouseArgs::fromPressOrRelease(const QMouseEvent *event)
{
    return make(event, event->button());
}

} // namespace terralore
