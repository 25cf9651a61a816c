#pragma once

#include "ControlArray.h"
#include "Form.h"
#include "Label.h"

#include <QColor>

#include <span>
#include <type_traits>

// Most of the program's buttons are labels: yellow bold Tahoma on a black
// (or navy) ground, single border, centred caption, opaque at design. The
// hover highlight makes a button opaque; the bare form makes them all
// transparent again.
struct LabelButton {
    int index;
    float left, top, width, height;
    const char *caption;
    bool visible = true;
};

terralore::LabelDesign labelButtonDesign(const LabelButton &button, double points = 15.75,
                                         const QColor &back = QColor(0, 0, 0));

// Creates the buttons of a table into an array, in table order, and routes
// their clicks and moves to the form's handlers (either may be null).
template <class F>
void makeLabelButtons(F *form, terralore::ControlArray<terralore::Label> &array, std::span<const LabelButton> table,
                      std::type_identity_t<void (F::*)(int)> click,
                      std::type_identity_t<void (F::*)(int, int, int, float, float)> move, double points = 15.75)
{
    for (const LabelButton &b : table) {
        auto *label = new terralore::Label(form, labelButtonDesign(b, points));
        array.add(b.index, label);
        const int index = b.index;
        if (click)
            QObject::connect(label, &terralore::Label::Click, form, [form, click, index] { (form->*click)(index); });
        if (move)
            QObject::connect(
                label, &terralore::Label::MouseMove, form,
                [form, move, index](int bt, int s, float x, float y) { (form->*move)(index, bt, s, x, y); });
    }
}

// The hover highlight's two halves.
void setOpaque(terralore::ControlArray<terralore::Label> &array, int index);
void setAllTransparent(terralore::ControlArray<terralore::Label> &array);
