#include "HtmlText.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace terralore {

namespace {

const QStringList kLineTags = {QStringLiteral("p"), QStringLiteral("div"), QStringLiteral("br")};
const QStringList kFormatTags = {QStringLiteral("span"),   QStringLiteral("font"), QStringLiteral("b"),
                                 QStringLiteral("strong"), QStringLiteral("i"),    QStringLiteral("em"),
                                 QStringLiteral("u"),      QStringLiteral("sub"),  QStringLiteral("sup")};

// A character reference as its character, or nothing when it is none the
// text can hold (it then stays as written).
std::optional<QString> referencedCharacter(const QString &name)
{
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},  {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},   {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")}, {QStringLiteral("nbsp"), QStringLiteral(" ")},
    };
    if (!name.startsWith(u'#'))
        return named.contains(name) ? std::optional(named.value(name)) : std::nullopt;
    bool ok = false;
    const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
    const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    const char32_t character = code;
    return QString::fromUcs4(&character, 1);
}

} // namespace

std::optional<QString> plainTextOfHtml(QStringView html)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)(?:\\s[^>]*)?/?>"));
    static const QRegularExpression reference(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z]+);"));
    QString text;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : tag.globalMatch(html)) {
        const QString name = match.captured(2).toLower();
        if (!kLineTags.contains(name) && !kFormatTags.contains(name))
            return std::nullopt;
        text += html.mid(done, match.capturedStart() - done);
        if (kLineTags.contains(name))
            text += u'\n';
        done = match.capturedEnd();
    }
    text += html.mid(done);
    QString plain;
    done = 0;
    for (const QRegularExpressionMatch &match : reference.globalMatch(text)) {
        plain += QStringView(text).mid(done, match.capturedStart() - done);
        plain += referencedCharacter(match.captured(1)).value_or(match.captured());
        done = match.capturedEnd();
    }
    plain += QStringView(text).mid(done);
    return plain;
}

} // namespace terralore
