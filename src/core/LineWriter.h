#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace terralore {

// Writes a text file of whole lines, each ending in CR LF, in Windows-1252.
// The file is replaced atomically: a crash, a full disk or a failing write
// leaves the old file whole.
class LineWriter {
public:
    void writeLine(QStringView line);
    const QByteArray &bytes() const { return m_bytes; }

    // Replaces path with the lines written so far; false on any failure.
    bool commit(const QString &path) const;

private:
    QByteArray m_bytes;
};

// Removes what commits cut short by a crash left in folder: a commit writes
// the new file unnamed, links it in under the target's name plus a dot and
// six letters or digits, then renames that over the target; a kill between
// the last two steps leaves the link. Only names of that shape ending a
// ".txt" target are touched. Returns how many were removed.
int removeInterruptedCommits(const QString &folder);

} // namespace terralore
