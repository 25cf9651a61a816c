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

// Creates the buttons of a table into an array, in table order, and routes
// their clicks and the pointer's moves over them to the form's handlers
// (either may be null), by entry.
template <class F>
void makeLabelButtons(F *form, terralore::ControlArray<terralore::Label> &array, std::span<const LabelButton> table,
                      std::type_identity_t<void (F::*)(int)> click, std::type_identity_t<void (F::*)(int)> hover,
                      double points = 15.75)
{
    for (const LabelButton &b : table) {
        auto *label = new terralore::Label(form, labelButtonDesign(b, points));
        array.add(b.index, label);
        const int entry = b.index;
        if (click)
            QObject::connect(label, &terralore::Label::Click, form, [form, click, entry] { (form->*click)(entry); });
        if (hover)
            QObject::connect(label, &terralore::Label::MouseMove, form,
                             [form, hover, entry] { (form->*hover)(entry); });
    }
}

// The hover highlight's two halves.
void setOpaque(terralore::ControlArray<terralore::Label> &array, int index);
void setAllTransparent(terralore::ControlArray<terralore::Label> &array);
