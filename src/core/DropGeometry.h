#pragma once

#include <span>

namespace terralore {

// The geometry of the drag-and-drop activities, in twips, single precision.
// Whether a caption lies in a box is decided from coordinates alone: a
// caption sits on a box when its Left and Top equal the box's exactly.
struct DropRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct DropCorner {
    float left = 0;
    float top = 0;
};

// Whether a caption whose top-left corner is at (x, y) is taken by the box.
// Only the corner counts: the box takes it strictly inside
// (L - W/2, L + W) by (T - H/2, T + H), each bound rounded to single
// precision first.
bool acceptsDrop(const DropRect &box, float x, float y);

struct SnapResult {
    DropCorner corner; // where the caption ends up
    int snaps = 0;     // how many boxes took it: one thud each
};

// Tries target 0, home 0, target 1, home 1, ... in that order, reading the
// caption's corner afresh after each snap, so a box whose acceptance
// rectangle holds the corner of an earlier taker snaps it again.
SnapResult snapCaption(DropCorner caption, std::span<const DropRect> targets, std::span<const DropRect> homes);

// The number of pairs (caption, target box) whose corners coincide; two
// captions in one box both count.
int placedCount(std::span<const DropCorner> captions, std::span<const DropRect> targets);

// The number of captions lying exactly on their own target box (caption i
// on box i).
int scoreOf(std::span<const DropCorner> captions, std::span<const DropRect> targets);

} // namespace terralore
