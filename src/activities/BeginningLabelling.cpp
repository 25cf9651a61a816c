#include "BeginningLabelling.h"

#include "Palette.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

// Target boxes at the left and right edges; the captions start in a row.
const ActivityItem kItems[] = {
    {"Solid inner core", 9480, 3900, 3600, 7440, "box pointing to the grey ball at the centre"},
    {"Mantle", 9480, 5460, 1200, 7440, "box pointing to the thick red layer"},
    {"Liquid outer core", 120, 4380, 8400, 7440, "box pointing to the thick orange layer"},
    {"Crust", 120, 1980, 6000, 7440, "box pointing to the thin brown outer layer"},
};

struct Pointer {
    float x1, x2, y;
};

// pointerLines by index: from a box towards its layer; they lie over the captions.
const Pointer kPointers[] = {
    {6120, 9360, 4080},
    {2520, 5760, 4560},
    {6840, 9360, 5640},
    {2520, 4950, 2160},
};

} // namespace

BeginningLabelling::BeginningLabelling() : Activity(QStringLiteral("BeginningLabelling"), {kItems, 2280, 375})
{
    // Bottom to top: diagram, targets, buttons and homes, title,
    // instruction, captions, pointer lines.
    diagram = new Image(this, QStringLiteral("diagram"));
    diagram->moveTwips(0, -480);
    createTargets();
    createButtons();
    createHomes();
    topicTitle = createText({.name = "topicTitle",
                             .left = 240,
                             .top = 120,
                             .width = 3945,
                             .height = 1305,
                             .caption = QString(),
                             .face = "Times New Roman",
                             .points = 27.75,
                             .fore = kYellow,
                             .backStyle = vbTransparent,
                             .alignment = vbCenter});
    instruction = createText({.name = "instruction",
                              .left = 6960,
                              .top = 240,
                              .width = 4785,
                              .height = 945,
                              .caption = QStringLiteral("Label this diagram showing the Earth's inner structure."),
                              .face = "Times New Roman",
                              .points = 18,
                              .bold = true,
                              .fore = kYellow,
                              .backStyle = vbTransparent,
                              .alignment = vbCenter});
    createCaptions();
    for (int k = 0; k < int(std::size(kPointers)); ++k) {
        const Pointer &p = kPointers[k];
        pointerLines.add(k, new Line(this, "pointerLines", k, p.x1, p.y, p.x2, p.y, kYellow, 3));
    }
}

void BeginningLabelling::onLoad()
{
    beginLoad();
    // A missing diagram leaves the screen bare; the activity still works.
    diagram->LoadPicture(QStringLiteral("Images\\insideearth.jpg"));
}
