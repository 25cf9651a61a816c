#pragma once

#include <QString>

#include <optional>

namespace terralore {

// Text a learning platform wrote as HTML, as plain text: paragraph and
// line-break tags become line breaks, simple formatting tags (bold, italic,
// span, font, sub- and superscript) go, and character references are
// decoded (a no-break space as a plain blank). Nothing when it holds any
// other tag (a picture, a link, a list, a table...), whose meaning plain
// text cannot keep.
std::optional<QString> plainTextOfHtml(QStringView html);

} // namespace terralore
