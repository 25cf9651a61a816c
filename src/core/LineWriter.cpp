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
    if (file.write(m_bytes) != m_bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace terralore
