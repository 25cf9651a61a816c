#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace terralore {

// Reads a text file as a sequence of fields, the way the program's quiz and
// index files are laid out: a field ends at a comma or at a line end (CR LF,
// LF or CR), and blanks at its start are skipped. Double quotes are ordinary
// characters: a value the program writes always reads back unchanged, apart
// from the leading blanks, even when it begins with a quote.
class FieldReader {
public:
    // Files larger than this are refused rather than read into memory.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

    explicit FieldReader(QByteArray bytes);

    // Opens a file for reading; nothing when it is missing, unreadable or
    // larger than kMaxFileSize.
    static std::optional<FieldReader> open(const QString &path);

    // The next field; false at the end of the input (nothing is read then).
    bool readField(QString &field);

    // The next field as a whole number; false at the end of the input or
    // when the field is not a number.
    bool readNumber(long long &number);

    bool atEnd() const { return m_pos >= m_bytes.size(); }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

} // namespace terralore
