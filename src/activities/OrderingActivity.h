#pragma once

#include "Activity.h"

// What the two ordering screens add to the activity: an opening sound 50 ms
// after each load.
class OrderingActivity : public Activity {
    Q_OBJECT
public:
    terralore::Label *dragHint = nullptr; // "Drag the labels into the correct boxes."

protected:
    OrderingActivity(const QString &name, const terralore::ActivityLayout &layout);

    // The two texts both screens share, at their design places.
    terralore::Label *createTitle(float width);
    terralore::Label *createDragHint();

    // The common load: set-up and the maximum score, then the opening sound.
    void loadOrdering();
};
