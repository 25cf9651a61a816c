#include "LineWriter.h"

#include "TextCodec.h"

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

} // namespace terralore
