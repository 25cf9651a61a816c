#include "BeginningHub.h"

namespace {

const HubTable kBeginning{
    .formName = "BeginningHub",
    .title = "The Beginning: the Earth",
    .titleLeft = 120,
    .titleTop = 0,
    .titleWidth = 6120,
    .titleHeight = 900,
    .backColor = QColor(115, 155, 207),
    .picture = "images\\science.jpg",
    .centrePicture = false,
    .pictureLeft = 0,
    .pictureTop = 360,
    .pictureResetsHover = false,
    .quizFile = "multiple\\The Beginning.txt",
    .quizPicture = "images\\sciencesm.jpg",
    .labellingScreen = "BeginningLabelling",
    .orderingScreen = "BeginningOrdering",
    .keyFactsStem = "key beginning",
    .keyFactsPages = 2,
    .notesStem = "beginning",
    .notesPages = 2,
};

} // namespace

BeginningHub::BeginningHub() : Hub(kBeginning)
{}
