#include "ScienceHub.h"

namespace {

const HubTable kScience{
    .formName = "ScienceHub",
    .title = "The Science of Rocks",
    .titleLeft = 240,
    .titleTop = 0,
    .titleWidth = 6000,
    .titleHeight = 900,
    // The set-up colour, set again.
    .backColor = QColor(39, 63, 137),
    .picture = "images\\cave.jpg",
    .centrePicture = true,
    .pictureLeft = 0,
    .pictureTop = 0,
    .pictureResetsHover = true,
    .quizFile = "multiple\\The Science of Rocks.txt",
    .quizPicture = "images\\cavesm.jpg",
    .labellingScreen = "ScienceLabelling",
    .orderingScreen = "ScienceOrdering",
    .keyFactsStem = "key science",
    .keyFactsPages = 2,
    .notesStem = "science",
    .notesPages = 1,
};

} // namespace

ScienceHub::ScienceHub() : Hub(kScience)
{}
