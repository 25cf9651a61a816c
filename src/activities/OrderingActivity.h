#pragma once

#include "Activity.h"
#include "Timer.h"

// What the two ordering screens add to the engine: an opening sound 50 ms
// after each load.
class OrderingActivity : public Activity {
    Q_OBJECT
public:
    terralore::Timer *openingSoundTimer;
    terralore::Label *dragHint = nullptr; // "Drag the labels into the correct boxes."

protected:
    OrderingActivity(const QString &name, const ActivityLayout &layout);

    // The two texts both screens share, at their design places.
    terralore::Label *createTitle(float width);
    terralore::Label *createDragHint();

    // The common load: set-up, the maximum score, captions, then the timer.
    void loadOrdering(int questionCount);

private:
    void playOpeningSound();
};
