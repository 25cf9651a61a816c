#include "ScienceLabelling.h"

#include "Palette.h"

using namespace terralore;

namespace {

using namespace terralore::palette;

// Each target box lies just below its picture; the captions start in two
// rows at the lower left.
const ActivityItem kItems[] = {
    {"Trilobite", 600, 4560, 4080, 6900, "box under the flat, oval fossil creature"},
    {"Dinosaur leg bones", 8880, 7320, 1440, 6900, "box under the fossil of leg bones"},
    {"Ammonite", 4680, 4560, 1440, 6480, "box under the coiled fossil shell"},
    {"Reptile skull bones", 8880, 2895, 4080, 6480, "box under the fossil skull"},
};

struct Fossil {
    const char *path;
    float left, top, width, height;
};

// Each picture stretched to its rectangle, by fossilPictures index.
const Fossil kFossils[] = {
    {"Images\\bones.jpg", 8880, 3600, 2595, 3660},
    {"Images\\ammonite.jpg", 4200, 840, 3540, 3660},
    {"Images\\trilobite.jpg", 120, 960, 3660, 3540},
    {"Images\\skull.jpg", 8160, 120, 3660, 2715},
};

} // namespace

ScienceLabelling::ScienceLabelling() : Activity(QStringLiteral("ScienceLabelling"), {kItems, 2595, 375})
{
    // Bottom to top: pictures, boxes, buttons, title, instruction, hint,
    // captions.
    for (int i = 0; i < int(std::size(kFossils)); ++i) {
        auto *image = new Image(this, QStringLiteral("fossilPictures"), i);
        image->setStretch(true);
        image->moveTwips(kFossils[i].left, kFossils[i].top, kFossils[i].width, kFossils[i].height);
        fossilPictures.add(i, image);
    }
    createTargets();
    createHomes();
    createButtons();
    topicTitle = createText({.name = "topicTitle",
                             .left = 1920,
                             .top = 120,
                             .width = 4185,
                             .height = 705,
                             .caption = QStringLiteral("The Science of Rocks"),
                             .face = "Times New Roman",
                             .points = 24,
                             .fore = kYellow,
                             .backStyle = vbTransparent,
                             .alignment = vbLeftJustify});
    instruction =
        createText({.name = "instruction",
                    .left = 1320,
                    .top = 5640,
                    .width = 5520,
                    .height = 795,
                    .caption = QStringLiteral(
                        "Match the captions to these illustrations of fossils that might be dug up by scientists."),
                    .face = "Times New Roman",
                    .points = 15.75,
                    .fore = kYellow,
                    .backStyle = vbTransparent,
                    .alignment = vbCenter});
    dragHint = createText({.name = "dragHint",
                           .left = 240,
                           .top = 7920,
                           .width = 2985,
                           .height = 585,
                           .caption = QStringLiteral("Drag the labels into the correct boxes."),
                           .points = 12,
                           .bold = true,
                           .fore = kYellow,
                           .backStyle = vbTransparent,
                           .alignment = vbCenter});
    createCaptions();
}

void ScienceLabelling::onLoad()
{
    beginLoad();
    // A missing picture leaves its place empty; the activity still works.
    for (int i = 0; i < int(std::size(kFossils)); ++i)
        fossilPictures[i]->LoadPicture(QString::fromLatin1(kFossils[i].path));
}
