#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace terralore {

// Says a short text through the screen reader, if one is listening: what a
// pupil must know after an action that moves no focus (a score, a page
// turned, a caption picked up). Screen readers on this desktop say nothing
// of a plain label that changes, but they do speak a notification as it
// shows; so the text goes out as a notification in a status strip on the
// stage, which nothing draws and the pointer never meets.
void announce(const QString &text);

// The strip and its notification, for the stage's accessibility factory.
QAccessibleInterface *announcementAccessible(QObject *object);
// The strip, created on first use; a child of the stage.
QWidget *announcementStrip();

} // namespace terralore
