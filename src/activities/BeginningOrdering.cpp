#include "BeginningOrdering.h"

#include "Palette.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

// Target boxes in time order run down from Top 840, one every 1320 twips;
// caption i belongs in box i wherever that lies in time.
const ActivityItem kItems[] = {
    {"As the Earth cooled, water in the atmosphere rained down to form the oceans.", 7800, 3480, 1080, 2160,
     "box for the third event"},
    {"As the solar system formed, the Earth was created as a spinning molten mass.", 7800, 840, 1080, 3120,
     "box for the oldest event"},
    {"Pangaea broke up and the continents gradually drifted into their present positions.", 7800, 6120, 1080, 5040,
     "box for the newest event"},
    {"Heavy metals sunk to the Earth’s core while lighter rocks cooled into a crust on the surface.", 7800, 2160, 1080,
     6000, "box for the second event"},
    {"250 million years ago all the land was merged into a supercontinent called Pangaea.", 7800, 4800, 1080, 4080,
     "box for the fourth event"},
};

// The time bracket left of the target column: an upright and a tick
// pointing at the middle of each box.
constexpr float kBracketX = 7320;
constexpr float kTickEndX = 7560;
constexpr float kFirstTickY = 1320;
constexpr float kTickStep = 1320;
constexpr int kTicks = 5;
constexpr int kLinePixels = 3;

} // namespace

BeginningOrdering::BeginningOrdering() : OrderingActivity(QStringLiteral("BeginningOrdering"), {kItems, 3915, 915})
{
    // Bottom to top: targets, buttons, title, instruction, hint, bracket,
    // homes, captions.
    createTargets();
    createButtons();
    topicTitle = createTitle(6105);
    instruction = createText({.name = "instruction",
                              .left = 720,
                              .top = 1200,
                              .width = 4800,
                              .height = 945,
                              .caption = QStringLiteral("Put these events into the correct order."),
                              .face = "Times New Roman",
                              .points = 20.25,
                              .fore = QColor(0, 255, 0),
                              .backStyle = vbTransparent,
                              .alignment = vbCenter});
    dragHint = createDragHint();
    const float lastTickY = kFirstTickY + kTickStep * (kTicks - 1);
    bracketLine = new Line(this, "bracketLine", -1, kBracketX, kFirstTickY, kBracketX, lastTickY, kYellow, kLinePixels);
    for (int k = 0; k < kTicks; ++k) {
        const float y = kFirstTickY + kTickStep * float(k);
        bracketTicks.add(k, new Line(this, "bracketTicks", k, kBracketX, y, kTickEndX, y, kYellow, kLinePixels));
    }
    createHomes();
    createCaptions();
}

void BeginningOrdering::onLoad()
{
    loadOrdering();
}
