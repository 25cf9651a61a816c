#include "ActivityBoard.h"

namespace terralore {

namespace {

bool sameCorner(DropCorner corner, const DropRect &box)
{
    return corner.left == box.left && corner.top == box.top;
}

} // namespace

ActivityBoard::ActivityBoard(const ActivityLayout &layout) : m_width(layout.width), m_height(layout.height)
{
    for (const ActivityItem &item : layout.items) {
        m_texts.push_back(QString::fromUtf8(item.caption));
        m_boxNames.push_back(QString::fromUtf8(item.boxName));
        m_targets.push_back({item.targetLeft, item.targetTop, m_width, m_height});
        m_homes.push_back({item.homeLeft, item.homeTop, m_width, m_height});
        m_corners.push_back({item.homeLeft, item.homeTop});
    }
    m_held.assign(m_texts.size(), false);
}

QString ActivityBoard::captionText(int caption) const
{
    return valid(caption) ? m_texts[size_t(caption)] : QString();
}

QString ActivityBoard::boxName(int box) const
{
    return valid(box) ? m_boxNames[size_t(box)] : QString();
}

DropRect ActivityBoard::targetRect(int box) const
{
    return valid(box) ? m_targets[size_t(box)] : DropRect{};
}

DropRect ActivityBoard::homeRect(int caption) const
{
    return valid(caption) ? m_homes[size_t(caption)] : DropRect{};
}

DropCorner ActivityBoard::cornerOf(int caption) const
{
    return valid(caption) ? m_corners[size_t(caption)] : DropCorner{};
}

CaptionPlace ActivityBoard::placeOf(int caption) const
{
    if (!valid(caption))
        return {CaptionPlace::Loose};
    if (m_held[size_t(caption)])
        return {CaptionPlace::Held};
    const DropCorner corner = m_corners[size_t(caption)];
    for (int box = 0; box < count(); ++box) {
        if (sameCorner(corner, m_targets[size_t(box)]))
            return {CaptionPlace::InBox, box};
    }
    if (sameCorner(corner, m_homes[size_t(caption)]))
        return {CaptionPlace::Home};
    return {CaptionPlace::Loose};
}

void ActivityBoard::dragTo(int caption, DropCorner corner)
{
    if (!valid(caption))
        return;
    m_corners[size_t(caption)] = corner;
    m_held[size_t(caption)] = true;
}

void ActivityBoard::pickUp(int caption)
{
    if (valid(caption))
        m_held[size_t(caption)] = true;
}

void ActivityBoard::carryOver(int caption, int box)
{
    if (valid(box))
        dragTo(caption, {m_targets[size_t(box)].left, m_targets[size_t(box)].top});
}

DropOutcome ActivityBoard::drop(int caption)
{
    if (!valid(caption))
        return {};
    m_held[size_t(caption)] = false;
    const SnapResult snap = snapCaption(m_corners[size_t(caption)], m_targets, m_homes);
    m_corners[size_t(caption)] = snap.corner;
    const bool wasReady = m_ready;
    if (allPlaced())
        m_ready = true;
    return {snap.snaps, m_ready && !wasReady};
}

void ActivityBoard::sendHome(int caption)
{
    if (!valid(caption))
        return;
    m_held[size_t(caption)] = false;
    m_corners[size_t(caption)] = {m_homes[size_t(caption)].left, m_homes[size_t(caption)].top};
}

void ActivityBoard::startAgain()
{
    for (int caption = 0; caption < count(); ++caption)
        sendHome(caption);
    m_ready = false;
}

bool ActivityBoard::allPlaced() const
{
    return placedCount(m_corners, m_targets) == count();
}

int ActivityBoard::score() const
{
    return scoreOf(m_corners, m_targets);
}

} // namespace terralore
