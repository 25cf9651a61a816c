#include "DropGeometry.h"

#include <algorithm>

namespace terralore {

namespace {

// A bound is worked out at full precision and then stored as a single, as
// the positions themselves are.
float bound(double value)
{
    return static_cast<float>(value);
}

bool sitsOn(DropCorner caption, const DropRect &box)
{
    return caption.left == box.left && caption.top == box.top;
}

bool trySnap(DropCorner &caption, const DropRect &box)
{
    if (!acceptsDrop(box, caption.left, caption.top))
        return false;
    caption = {box.left, box.top};
    return true;
}

} // namespace

bool acceptsDrop(const DropRect &box, float x, float y)
{
    const double l = box.left, t = box.top, w = box.width, h = box.height;
    return bound(l - w / 2) < x && x < bound(l + w) && bound(t - h / 2) < y && y < bound(t + h);
}

SnapResult snapCaption(DropCorner caption, std::span<const DropRect> targets, std::span<const DropRect> homes)
{
    SnapResult result{caption, 0};
    const size_t n = std::max(targets.size(), homes.size());
    for (size_t i = 0; i < n; ++i) {
        if (i < targets.size() && trySnap(result.corner, targets[i]))
            ++result.snaps;
        if (i < homes.size() && trySnap(result.corner, homes[i]))
            ++result.snaps;
    }
    return result;
}

int placedCount(std::span<const DropCorner> captions, std::span<const DropRect> targets)
{
    int count = 0;
    for (const DropCorner &caption : captions)
        count += int(
            std::count_if(targets.begin(), targets.end(), [&](const DropRect &box) { return sitsOn(caption, box); }));
    return count;
}

int scoreOf(std::span<const DropCorner> captions, std::span<const DropRect> targets)
{
    int score = 0;
    const size_t n = std::min(captions.size(), targets.size());
    for (size_t i = 0; i < n; ++i)
        score += sitsOn(captions[i], targets[i]) ? 1 : 0;
    return score;
}

} // namespace terralore
