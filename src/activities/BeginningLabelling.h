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

    terralore::ControlArray<terralore::Image> Image1; // the diagram, index 0
    terralore::Label *Label7;
    terralore::ControlArray<terralore::Line> Line1; // pointers from the boxes into the diagram

protected:
    void Form_Load() override;
};

TERRALORE_DECLARE_FORM(BeginningLabelling, beginningLabelling)
