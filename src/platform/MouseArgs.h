#pragma once

#include <QMouseEvent>

namespace terralore {

// The arguments of a mouse handler: the button mask (1 left, 2 right,
// 4 middle), the shift mask (1 shift, 2 ctrl, 4 alt) and the position in
// twips relative to the control that receives the event.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;

    // Moves report the buttons held; presses and releases the one that changed.
    static MouseArgs fromMove(const QMouseEvent *event);
    static MouseArgs fromPressOrRelease(const QMouseEvent *event);
};

} // namespace terralore
