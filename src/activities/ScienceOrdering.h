#pragma once

#include "OrderingActivity.h"

// Ordering activity of "The Science of Rocks": three kinds of geologist and
// the work they do.
class ScienceOrdering : public OrderingActivity {
    Q_OBJECT
public:
    ScienceOrdering();

    terralore::Label *instruction;
    terralore::ControlArray<terralore::Label> geologistHeadings; // the geologist headings, 1 to 3

protected:
    void onLoad() override;
};

TERRALORE_DECLARE_FORM(ScienceOrdering, scienceOrdering)
