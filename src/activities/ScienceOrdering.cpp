#include "ScienceOrdering.h"

#include "Palette.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

const ActivityItem kItems[] = {
    {"These geologists study the minerals that the rocks are made of.", 4440, 3600, 1320, 6480,
     "box under Mineralogists"},
    {"These geologists identify and classify the rocks themselves.", 720, 3600, 7560, 6480, "box under Petrologists"},
    {"These geologists study the fossil remains of plants and animals that are found in the rocks.", 8160, 3600, 4440,
     6480, "box under Palaeontologists"},
};

struct Heading {
    int index;
    const char *text;
    float left, height;
};

// The headings stand over the target boxes and above the captions.
const Heading kHeadings[] = {
    {1, "Petrologists", 720, 585},
    {2, "Mineralogists", 4440, 585},
    {3, "Palaeontologists", 8160, 375},
};

} // namespace

ScienceOrdering::ScienceOrdering() : OrderingActivity(QStringLiteral("ScienceOrdering"), {kItems, 2955, 1155})
{
    // Bottom to top: targets, buttons, title, instruction, hint, homes,
    // captions, headings.
    createTargets();
    createButtons();
    topicTitle = createTitle(4665);
    instruction = createText({.name = "instruction",
                              .left = 2520,
                              .top = 1320,
                              .width = 6840,
                              .height = 945,
                              .caption = QStringLiteral("Match these different geologists to the work that they do."),
                              .points = 20.25,
                              .bold = true,
                              .fore = QColor(0, 255, 0),
                              .backStyle = vbTransparent,
                              .alignment = vbCenter});
    dragHint = createDragHint();
    createHomes();
    createCaptions();
    for (const Heading &h : kHeadings)
        geologistHeadings.add(h.index, createText({.name = "geologistHeadings",
                                                   .index = h.index,
                                                   .left = h.left,
                                                   .top = 2880,
                                                   .width = 2955,
                                                   .height = h.height,
                                                   .caption = QString::fromLatin1(h.text),
                                                   .points = 15.75,
                                                   .bold = true,
                                                   .fore = kYellow,
                                                   .backStyle = vbTransparent,
                                                   .alignment = vbCenter}));
}

void ScienceOrdering::onLoad()
{
    loadOrdering();
}
