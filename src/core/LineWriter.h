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

// A commit writes its new file under a name of the program's own beside the
// target, then renames it over the target. A crash before the rename leaves
// that copy behind; this removes such copies from folder, and nothing else:
// no name a person would give a file starts with the prefix. Returns how many
// were removed.
int removeInterruptedCommits(const QString &folder);

// The prefix of a commit's copy.
inline constexpr QLatin1StringView kCommitCopyPrefix{".terralore-save-"};

} // namespace terralore
