#pragma once

#include "DropGeometry.h"

#include <QString>

#include <span>
#include <vector>

namespace terralore {

// One caption of a drag-and-drop activity as a screen's table lays it out:
// its text, the corner of the target box it belongs in, the corner where it
// starts (its home box), and what a screen reader calls the target box: what
// it stands for on screen, never the caption it wants.
struct ActivityItem {
    const char *caption; // UTF-8
    float targetLeft, targetTop;
    float homeLeft, homeTop;
    const char *boxName; // UTF-8
};

// The captions of a screen; every caption and box has the same size, in twips.
struct ActivityLayout {
    std::span<const ActivityItem> items;
    float width, height;
};

// Where a caption is. A caption sits in a box when its corner equals the
// box's exactly; a target box is looked for before the caption's home.
struct CaptionPlace {
    enum Kind { Home, InBox, Loose, Held };
    Kind kind = Home;
    int box = -1; // the target box, when InBox

    friend bool operator==(const CaptionPlace &, const CaptionPlace &) = default;
};

struct DropOutcome {
    int thuds = 0;            // how many boxes took the caption
    bool becameReady = false; // this drop offered "Check Score"
};

// The board of a drag-and-drop activity, without widgets: the target boxes
// (caption i belongs in box i), the home boxes, where each caption lies, the
// snapping of a dropped caption and the score. All positions are twips,
// single precision, compared exactly.
class ActivityBoard {
public:
    explicit ActivityBoard(const ActivityLayout &layout);

    int count() const { return int(m_texts.size()); }
    float captionWidth() const { return m_width; }
    float captionHeight() const { return m_height; }
    QString captionText(int caption) const;
    QString boxName(int box) const;
    DropRect targetRect(int box) const;
    DropRect homeRect(int caption) const;

    DropCorner cornerOf(int caption) const;
    CaptionPlace placeOf(int caption) const;

    // Held with its corner there, as the pointer drags it; unbounded.
    void dragTo(int caption, DropCorner corner);
    // Held where it lies, as the keyboard picks it up.
    void pickUp(int caption);
    // Held on a target box's corner, as the keyboard carries it.
    void carryOver(int caption, int box);
    // Let go: the first box that takes its corner, in the order target 0,
    // home 0, target 1, home 1, ..., snaps it; loose where it is otherwise.
    // "Check Score" is offered once every caption sits in a box.
    DropOutcome drop(int caption);
    // Back to its home box without a drop: no snap and no thud.
    void sendHome(int caption);
    // Every caption home and "Check Score" withdrawn.
    void startAgain();

    // Every caption sits in a box; two in one box both count.
    bool allPlaced() const;
    // "Check Score" is offered: from the drop that placed the last caption
    // until Start Again, even when captions move off their boxes meanwhile.
    bool isReady() const { return m_ready; }
    // The captions lying exactly on their own target box.
    int score() const;

private:
    bool valid(int caption) const { return caption >= 0 && caption < count(); }

    float m_width, m_height;
    std::vector<QString> m_texts;
    std::vector<QString> m_boxNames;
    std::vector<DropRect> m_targets;
    std::vector<DropRect> m_homes;
    std::vector<DropCorner> m_corners;
    std::vector<bool> m_held;
    bool m_ready = false;
};

} // namespace terralore
