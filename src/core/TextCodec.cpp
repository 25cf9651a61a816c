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

QString signPlace(long long number)
{
    return number >= 0 ? QStringLiteral(" ") + QString::number(number) : QString::number(number);
}

} // namespace terralore
