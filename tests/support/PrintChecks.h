#pragma once

// Helpers for tests of what a routine printed on a RecordingPrintSurface.

#include "RecordingPrintSurface.h"

#include <QList>
#include <QSizeF>
#include <QString>

namespace terralore::test {

// Measures texts the way the recording surface does, on a page of its own.
class Ruler {
public:
    explicit Ruler(QSizeF printable = QSizeF(11520, 15120)) : m_surface(printable) {}
    float width(double points, const QString &text, const QString &face = QStringLiteral("Times New Roman"))
    {
        m_surface.setFontName(face);
        m_surface.setFontSize(points);
        return m_surface.TextWidth(text);
    }
    float lineHeight(double points, const QString &face = QStringLiteral("Times New Roman"))
    {
        m_surface.setFontName(face);
        m_surface.setFontSize(points);
        return m_surface.TextHeight();
    }

private:
    RecordingPrintSurface m_surface;
};

inline QList<PrintRecord> textRecords(const RecordingPrintSurface &surface)
{
    return surface.records(PrintRecord::Kind::Text);
}

// The last record's kind, or Page when nothing was recorded.
inline PrintRecord::Kind lastKind(const RecordingPrintSurface &surface)
{
    return surface.records().isEmpty() ? PrintRecord::Kind::Page : surface.records().constLast().kind;
}

// Checks the printer model between consecutive texts: after a line end the
// next text starts one line height (of the font just used) lower, or at the
// top of the next page; after text without line end it stays on the line.
// Returns an empty string when every pair holds, else what went wrong.
QString checkLineAdvance(const QList<PrintRecord> &texts, float pageHeight);

} // namespace terralore::test
