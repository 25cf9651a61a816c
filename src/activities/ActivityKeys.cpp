#include "Activity.h"

#include "Announcements.h"

#include <QApplication>
#include <QKeyEvent>

using namespace terralore;

bool Activity::handleKey(QKeyEvent &key)
{
    const int k = key.key();
    const bool activates = k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
    if (m_carried >= 0 && QApplication::focusWidget() != captions[m_carried])
        onCaptionDropped(m_carried); // the pointer took over: it lands where it is
    if (m_carried < 0) {
        const int focused = focusedCaption();
        if (focused < 0 || !activates || key.isAutoRepeat())
            return false;
        m_carried = focused;
        m_aim = -1;
        m_board.pickUp(focused);
        announce(m_board.captionText(focused) + QStringLiteral(" picked up."));
        return true;
    }
    switch (k) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The same drop as the pointer's: the same snap, thud and score.
        if (!key.isAutoRepeat())
            onCaptionDropped(m_carried);
        return true;
    case Qt::Key_Escape:
        m_board.sendHome(m_carried);
        showCaption(m_carried);
        announce(m_board.captionText(m_carried) + QStringLiteral(" is back in its place."));
        m_carried = -1;
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Tab:
        carry(key.modifiers() & Qt::ShiftModifier ? -1 : +1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Backtab:
        carry(-1);
        return true;
    default:
        return false;
    }
}

int Activity::focusedCaption() const
{
    int focused = -1;
    captions.forEach([&](int i, const Label *caption) {
        if (caption == QApplication::focusWidget())
            focused = i;
    });
    return focused;
}

void Activity::carry(int step)
{
    // The boxes in the order Tab would meet them on screen; which box a
    // caption is over stays the board's.
    QList<QWidget *> boxes;
    targetBoxes.forEach([&](int, Label *box) { boxes.append(box); });
    boxes = readingOrder(boxes);
    const auto n = int(boxes.size());
    if (n == 0)
        return;
    m_aim = m_aim < 0 ? (step > 0 ? 0 : n - 1) : (m_aim + step + n) % n;
    const int box = static_cast<const Label *>(boxes[m_aim])->Index();
    m_board.carryOver(m_carried, box);
    showCaption(m_carried);
    announce(QStringLiteral("Over the ") + m_board.boxName(box) + QStringLiteral("."));
}
