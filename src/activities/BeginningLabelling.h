#pragma once

#include "Activity.h"
#include "Line.h"
#include "PictureControl.h"

// Labelling activity of "The Beginning: the Earth": the four layers of a
// diagram of the Earth's inner structure.
class BeginningLabelling : public Activity {
    Q_OBJECT
public:
    BeginningLabelling();

    terralore::Image *diagram;
    terralore::Label *instruction;
    terralore::ControlArray<terralore::Line> pointerLines; // pointers from the boxes into the diagram

protected:
    void onLoad() override;
};

TERRALORE_DECLARE_FORM(BeginningLabelling, beginningLabelling)
