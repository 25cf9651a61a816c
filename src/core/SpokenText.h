#pragma once

#include <QString>
#include <QStringList>

namespace terralore {

// Texts put together to be read aloud, so that a speech engine pauses where
// a reader would and reads no stray blanks.

// Pieces of one line, a blank between them, but none before , . : ; ) ! ?
// nor after "(". Blanks around each piece are dropped, empty pieces skipped.
QString joinWords(const QStringList &pieces);

// Pieces as sentences: each ends with a full stop unless it already ends
// with . ! ? : or ;, and a blank comes between them. Empty pieces are skipped.
QString joinSentences(const QStringList &pieces);

} // namespace terralore
