#include "FieldReader.h"

#include "TextCodec.h"

#include <QFile>

namespace terralore {

FieldReader::FieldReader(QByteArray bytes) : m_bytes(std::move(bytes))
{}

std::optional<FieldReader> FieldReader::open(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > kMaxFileSize)
        return std::nullopt;
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize)
        return std::nullopt;
    return FieldReader(std::move(bytes));
}

bool FieldReader::readField(QString &field)
{
    if (atEnd())
        return false;
    const qsizetype size = m_bytes.size();
    while (m_pos < size && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
        ++m_pos;
    const qsizetype start = m_pos;
    while (m_pos < size) {
        const char c = m_bytes[m_pos];
        if (c == ',' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    field = decodeWindows1252(QByteArrayView(m_bytes).sliced(start, m_pos - start));
    if (m_pos < size) {
        const char end = m_bytes[m_pos++];
        if (end == '\r' && m_pos < size && m_bytes[m_pos] == '\n')
            ++m_pos;
    }
    return true;
}

bool FieldReader::readNumber(long long &number)
{
    QString field;
    if (!readField(field))
        return false;
    bool ok = false;
    const long long value = field.trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    number = value;
    return true;
}

} // namespace terralore
