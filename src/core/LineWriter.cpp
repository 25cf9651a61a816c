#include "LineWriter.h"

#include "TextCodec.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>

namespace terralore {

void LineWriter::writeLine(QStringView line)
{
    m_bytes += encodeWindows1252(line);
    m_bytes += "\r\n";
}

bool LineWriter::commit(const QString &path) const
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile::commit() can report success after a buffered write hit a
    // full disk or a size limit, leaving a cut-off file in place; flush first
    // and check the size, so such a write is cancelled and the old file kept.
    if (file.write(m_bytes) != m_bytes.size() || !file.flush() || file.size() != m_bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

int removeInterruptedCommits(const QString &folder)
{
    static const QRegularExpression leftover(QStringLiteral("^.+\\.txt\\.[A-Za-z0-9]{6}$"));
    QDir dir(folder);
    int removed = 0;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (leftover.match(name).hasMatch() && dir.remove(name))
            ++removed;
    }
    return removed;
}

} // namespace terralore
