#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace terralore {

QString decodeWindows1252(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encodeWindows1252(QStringView text)
{
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return text.toString().toLatin1();
    return encoder.encode(text);
}

QString firstUnencodableCharacter(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView one = text.mid(i, length);
        if (decodeWindows1252(encodeWindows1252(one)) != one)
            return one.toString();
        i += length - 1;
    }
    return {};
}

QString singleLineText(QStringView text)
{
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool lineBreak = c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
                               c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        if (lineBreak) {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            line += u' ';
        } else {
            // A tab or another control character stands between words too.
            line += c.category() == QChar::Other_Control ? QChar(u' ') : c;
        }
    }
    return line;
}

QString signPlace(long long number)
{
    return number >= 0 ? QStringLiteral(" ") + QString::number(number) : QString::number(number);
}

} // namespace terralore
