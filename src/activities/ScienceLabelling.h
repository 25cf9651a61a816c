#pragma once

#include "Activity.h"
#include "PictureControl.h"

// Labelling activity of "The Science of Rocks": names under four fossil
// illustrations.
class ScienceLabelling : public Activity {
    Q_OBJECT
public:
    ScienceLabelling();

    terralore::ControlArray<terralore::Image> Image1; // the fossils, 0 to 3
    terralore::Label *Label8;
    terralore::Label *Label9;

protected:
    void Form_Load() override;
};

TERRALORE_DECLARE_FORM(ScienceLabelling, scienceLabelling)
