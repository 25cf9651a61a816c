#include "QuestionFormats.h"

#include "QuestionImport.h"
#include "TextCodec.h"

#include <QStringDecoder>

namespace terralore {

std::optional<QuestionFormat> detectQuestionFormat(QStringView text)
{
    // Aiken first: a brace in an Aiken question is likelier than GIFT lines
    // shaped like lettered options followed by an "ANSWER:" line.
    if (looksLikeAiken(text))
        return QuestionFormat::Aiken;
    if (looksLikeGift(text))
        return QuestionFormat::Gift;
    return std::nullopt;
}

QString decodeQuestionFile(const QByteArray &bytes)
{
    // A byte-order mark names its encoding (and is dropped); otherwise the
    // learning platforms write UTF-8, and older editors the Windows code page.
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

ImportedWorksheets readQuestionFile(const QByteArray &bytes, const QString &title, const QString &fileBaseName)
{
    const QString text = decodeQuestionFile(bytes);
    // Braces or capitals found among a program's bytes make no question.
    const std::optional<QuestionFormat> format =
        looksLikeText(text) ? detectQuestionFormat(text) : std::optional<QuestionFormat>();
    if (!format) {
        if (text.trimmed().isEmpty())
            return worksheetsFrom({}, title);
        return {{}, QStringLiteral("The file is not a GIFT or Aiken file."), {}};
    }
    const FileQuestions parsed = *format == QuestionFormat::Gift ? parseGift(text) : parseAiken(text);
    QString name = title.trimmed();
    if (name.isEmpty())
        name = parsed.namePrefix;
    if (name.isEmpty())
        name = fileBaseName;
    return worksheetsFrom(parsed.questions, name);
}

} // namespace terralore
