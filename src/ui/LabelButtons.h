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

// The controls of a screen's button array share the name "entryButtons".
terralore::LabelDesign labelButtonDesign(const LabelButton &button, double points = 15.75,
                                         const QColor &back = QColor(0, 0, 0));

enum class HoverLight { On, Off };

// Lights a button (makes its ground opaque) whenever the pointer moves over it.
void lightOnHover(terralore::Label *button);

// Creates the buttons of a table into an array, in table order, and routes
// their clicks to the form's handler (which may be null). With HoverLight::On
// a button lights when the pointer moves over it.
template <class F>
void makeLabelButtons(F *form, terralore::ControlArray<terralore::Label> &array, std::span<const LabelButton> table,
                      std::type_identity_t<void (F::*)(int)> click, HoverLight hover, double points = 15.75)
{
    for (const LabelButton &b : table) {
        auto *label = new terralore::Label(form, labelButtonDesign(b, points));
        array.add(b.index, label);
        const int entry = b.index;
        if (click)
            QObject::connect(label, &terralore::Label::Click, form, [form, click, entry] { (form->*click)(entry); });
        if (hover == HoverLight::On)
            lightOnHover(label);
    }
}

// The bare form puts every light out.
void setAllTransparent(terralore::ControlArray<terralore::Label> &array);
