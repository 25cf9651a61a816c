#pragma once

#include "OrderingActivity.h"

// Ordering activity of "The Science of Rocks": three kinds of geologist and
// the work they do.
class ScienceOrdering : public OrderingActivity {
    Q_OBJECT
public:
    ScienceOrdering();

    terralore::Label *Label8;
    terralore::ControlArray<terralore::Label> Label5; // the geologist headings, 1 to 3

protected:
    void Form_Load() override;
};

TERRALORE_DECLARE_FORM(ScienceOrdering, scienceOrdering)
