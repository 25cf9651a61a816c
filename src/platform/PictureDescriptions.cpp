#include "PictureDescriptions.h"

#include <QRegularExpression>

#include <utility>
#include <vector>

namespace terralore {

namespace {

// Patterns are resource paths with '/' between the parts, matched without
// regard to case; '?' and '*' stand within one part, so a page's screen copy
// (wmf) and print copy (wmf2) share one line, as do the logo's animation
// frames. The fossils and the Earth's layers are described without the
// names the labelling activities ask the pupil to put on them.
const std::pair<const char *, const char *> kDescriptions[] = {
    {"images/stairholesm.jpg", "A sea cliff of rock layers folded into waves, brown, grey and cream, with grass on "
                               "top, above a sandy beach; the sun shines in a blue sky"},
    {"images/cave.jpg", "Inside a cave: pointed stalactites hang from the roof, stalagmites rise from the floor "
                        "round a pool of water, a pillar joins floor and roof, and a bat hangs from the roof"},
    {"images/cavesm.jpg", "Stalagmites rising round a pool of water in a cave"},
    {"images/science.jpg", "The young Earth at night: volcanoes pour out glowing lava and smoke, meteors streak "
                           "down from the sky, rain falls into a sea, and cracks of lava glow in the ground; the "
                           "Moon hangs in the sky"},
    {"images/sciencesm.jpg", "Volcanoes pouring out lava and smoke under falling meteors, on the young Earth"},
    {"images/talyllynsm.jpg", "A gold cup with a coiled shell on it, on a stone stand, among coloured confetti and "
                              "sparkles; behind it grey steps, broken slate, a hammer and a fossil lie in the grass "
                              "under the sun"},
    {"images/insideearth.jpg", "A ball cut open to show four layers: a small grey ball at the centre, a thick orange "
                               "layer round it, a thick red layer and a thin brown outer layer, in starry space, "
                               "above the words \"Not to scale: the real crust is far thinner.\""},
    {"images/bones.jpg", "A fossil of long leg bones, from the top of the leg down to three clawed toes, on a pale "
                         "stone"},
    {"images/ammonite.jpg", "A brown fossil shell coiled like a snail's shell, with ribs across it, on a pale stone"},
    {"images/trilobite.jpg", "A fossil of a flat, oval sea creature with a curved head shield, two eyes and a body "
                             "of many ribbed segments, on a pale stone"},
    {"images/skull.jpg", "A fossil skull with a large round eye socket and long narrow jaws full of sharp teeth, on "
                         "a pale stone"},
    {"logo/quillmere2.bmp", "The Quillmere Publishing logo: a purple quill pen dipping into a little blue pool"},
    {"logo/quillmere00??.gif", "The Quillmere Publishing badge: a purple quill pen dipping into a little blue pool, "
                               "sending out ripples"},
    {"wmf*/key sciencea.wmf", "Key facts page 1: The Science of Rocks, with a diagram of the rock cycle"},
    {"wmf*/key scienceb.wmf", "Key facts page 2: Soils and Fossils, with four pictures of how a fossil forms"},
    {"wmf*/key beginninga.wmf", "Key facts page 1: The Beginning of the Earth, with a diagram of the Earth's layers"},
    {"wmf*/key beginningb.wmf", "Key facts page 2: Oceans and Continents, with a map of Pangaea"},
    {"wmf*/sciencea.wmf", "Teacher's notes page 1: The Science of Rocks"},
    {"wmf*/beginninga.wmf", "Teacher's notes page 1: The Beginning"},
    {"wmf*/beginningb.wmf", "Teacher's notes page 2: The Beginning"},
    {"wmf*/guide1.wmf", "Teachers' guide page 1: Welcome to Terralore"},
    {"wmf*/guide2.wmf", "Teachers' guide page 2: Key Facts and the Quiz"},
    {"wmf*/guide3.wmf", "Teachers' guide page 3: Ordering and Labelling"},
    {"wmf*/guide4.wmf", "Teachers' guide page 4: Writing Your Own Quizzes"},
    {"wmf*/guide5.wmf", "Teachers' guide page 5: Links to the Curriculum"},
    {"wmf*/acknowledgments.wmf", "Acknowledgments page: who made Terralore"},
};

} // namespace

QString pictureDescription(const QString &resourcePath)
{
    static const auto table = [] {
        std::vector<std::pair<QRegularExpression, QString>> patterns;
        for (const auto &[pattern, description] : kDescriptions)
            patterns.emplace_back(
                QRegularExpression(QRegularExpression::wildcardToRegularExpression(QLatin1String(pattern)),
                                   QRegularExpression::CaseInsensitiveOption),
                QString::fromUtf8(description));
        return patterns;
    }();
    const QString path = QString(resourcePath).replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const auto &[pattern, description] : table)
        if (pattern.match(path).hasMatch())
            return description;
    return QString();
}

} // namespace terralore
