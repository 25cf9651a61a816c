#pragma once

// Helpers for the drag-and-drop screens: opening a screen as its hub does,
// and dragging captions with real mouse input through the window system.

#include "ScreenTest.h"

#include "Activity.h"
#include "ActivityForms.h"
#include "BeginningLabelling.h"
#include "BeginningOrdering.h"
#include "ScienceLabelling.h"
#include "ScienceOrdering.h"
#include "Twips.h"

namespace terralore::test {

inline Activity &activityNamed(const QString &name)
{
    Activity *activity = activityForm(name);
    if (!activity)
        qFatal("no activity named %s", qPrintable(name));
    return *activity;
}

// A data column of the four screens and their number of captions.
inline void addEveryScreen()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("n");
    QTest::newRow("ScienceOrdering") << "ScienceOrdering" << 3;
    QTest::newRow("BeginningOrdering") << "BeginningOrdering" << 5;
    QTest::newRow("ScienceLabelling") << "ScienceLabelling" << 4;
    QTest::newRow("BeginningLabelling") << "BeginningLabelling" << 4;
}

inline QString topicOf(const QString &name)
{
    return name.startsWith(QLatin1String("Science")) ? QStringLiteral("The Science of Rocks")
                                                     : QStringLiteral("The Beginning: the Earth");
}

inline Activity &openActivity(const QString &name)
{
    Activity &a = activityNamed(name);
    a.showForTopic(topicOf(name));
    return a;
}

// The middle of a box, in pixels of the form's client area.
inline QPoint centreOfBox(const Label *box)
{
    return QPoint(toPixels(box->leftTwips() + box->widthTwips() / 2),
                  toPixels(box->topTwips() + box->heightTwips() / 2));
}

// Presses a button on the caption, moves in several steps with it held and
// releases at `to` (client pixels), as a user drags.
inline void drag(Label *caption, QPoint to, Qt::MouseButton button = Qt::LeftButton, int steps = 6)
{
    QWidget *client = caption->parentWidget();
    const QPoint grip = caption->rect().center();
    const QPoint from = caption->mapTo(client, grip);
    QTest::mousePress(caption, button, Qt::NoModifier, grip);
    for (int s = 1; s <= steps; ++s)
        QTest::mouseMove(client, from + (to - from) * s / steps);
    QTest::mouseRelease(client, button, Qt::NoModifier, to);
}

// Drags caption c of the screen onto the middle of its target box t.
inline void dropOnTarget(Activity &a, int c, int t)
{
    drag(a.captions[c], centreOfBox(a.targetBoxes[t]));
}

inline QPointF cornerOf(const Label *l)
{
    return QPointF(l->leftTwips(), l->topTwips());
}

inline int countOf(const QString &path)
{
    return int(playedPaths().count(path));
}

inline const QString kThud = QStringLiteral("wav\\thud3.wav");

} // namespace terralore::test
