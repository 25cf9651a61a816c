#pragma once

#include "Activity.h"
#include "PictureControl.h"

// Labelling activity of "The Science of Rocks": names under four fossil
// illustrations.
class ScienceLabelling : public Activity {
    Q_OBJECT
public:
    ScienceLabelling();

    terralore::ControlArray<terralore::Image> fossilPictures; // the fossils, 0 to 3
    terralore::Label *instruction;
    terralore::Label *dragHint;

protected:
    void onLoad() override;
};

TERRALORE_DECLARE_FORM(ScienceLabelling, scienceLabelling)
