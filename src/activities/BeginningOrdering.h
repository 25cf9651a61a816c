#pragma once

#include "Line.h"
#include "OrderingActivity.h"

// Ordering activity of "The Beginning: the Earth": five events of the
// Earth's history into time order, earliest at the top.
class BeginningOrdering : public OrderingActivity {
    Q_OBJECT
public:
    BeginningOrdering();

    terralore::Label *instruction;
    terralore::Line *bracketLine;                          // the bracket's upright
    terralore::ControlArray<terralore::Line> bracketTicks; // its ticks, one per box

protected:
    void onLoad() override;
};

TERRALORE_DECLARE_FORM(BeginningOrdering, beginningOrdering)
