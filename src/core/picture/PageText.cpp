#include "picture/PageText.h"

#include "SpokenText.h"
#include "picture/Picture.h"
#include "picture/WmfFonts.h"
#include "picture/WmfReader.h"
#include "picture/WmfTextRecord.h"
#include "picture/WmfTypes.h"

#include <QStringList>

#include <algorithm>

namespace terralore {

using namespace wmf;

namespace {

// Positions are compared in the records' logical units: a page keeps one
// mapping while it writes. A line's pieces lie on one baseline, give or take
// a third of the font's height, and closer than one and a half heights
// apart. A paragraph's next line comes within 1.35 heights below (a list's
// next item or paragraph further), in the same font size (a heading's is
// larger), from the same left edge as a piece above (a list item's is
// indented), or centred or right-aligned under it (a caption's).
constexpr double kBaselineSlack = 0.35;
constexpr double kWordGap = 1.5;
constexpr double kLineStep = 1.35;
constexpr double kSizeSlack = 0.05;
constexpr double kIndentSlack = 0.5;
// Without advances in the record, a character is taken as this share of the height.
constexpr double kCharWidth = 0.55;

struct Piece {
    double left;
    QString text;
};

struct Line {
    double baseline = 0, left = 0, right = 0, height = 0;
    std::vector<Piece> pieces;

    QString text() const
    {
        std::vector<Piece> ordered = pieces;
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const Piece &a, const Piece &b) { return a.left < b.left; });
        QStringList words;
        for (const Piece &piece : ordered)
            words << piece.text;
        return joinWords(words);
    }
};

// What a text record depends on, and what SaveDC keeps of it.
struct TextState {
    WmfFont font;
    int align = 0;
};

class PageReader {
public:
    explicit PageReader(const WmfDocument &doc) : m_doc(doc), m_objects(WmfLimits::maxObjects), m_fonts(nullptr) {}

    QString read()
    {
        for (const WmfRecord &record : m_doc.records)
            dispatch(record, m_doc.params(record));
        return paragraphs();
    }

private:
    void dispatch(const WmfRecord &record, const WmfParams &p)
    {
        switch (record.function) {
        case CreateFontIndirect:
            m_objects.add(p.size() ? WmfObject(fontFromRecord(p)) : WmfObject());
            break;
        case CreatePenIndirect:
        case CreateBrushIndirect:
        case DibCreatePatternBrush:
        case CreatePatternBrush:
        case CreateRegion:
        case CreatePalette:
            // Only fonts matter here, but every object takes its place in the table.
            m_objects.add(WmfObject());
            break;
        case SelectObject:
            if (const WmfObject *object = m_objects.find(p.u16(0)))
                if (const auto *font = std::get_if<WmfFont>(object))
                    m_state.font = *font;
            break;
        case DeleteObject:
            m_objects.remove(p.u16(0));
            break;
        case SetTextAlign:
            m_state.align = p.u16(0);
            break;
        case SaveDC:
            if (m_saved.size() < size_t(WmfLimits::maxSavedStates))
                m_saved.push_back(m_state);
            break;
        case RestoreDC:
            restore(p.s16(0));
            break;
        case TextOut:
            addRun(readTextOut(p));
            break;
        case ExtTextOut:
            addRun(readExtTextOut(p));
            break;
        default:
            break;
        }
    }

    void restore(int which)
    {
        // Negative: back from the latest save; positive: the n-th save.
        const qsizetype index = which < 0 ? qsizetype(m_saved.size()) + which : qsizetype(which) - 1;
        if (which == 0 || index < 0 || index >= qsizetype(m_saved.size()))
            return;
        m_state = m_saved[size_t(index)];
        m_saved.resize(size_t(index));
    }

    void addRun(const WmfTextRecord &record)
    {
        const QString text = m_fonts.decode(record.bytes, m_state.font.charset).simplified();
        if (text.isEmpty())
            return;
        const double height = m_state.font.height ? qAbs(m_state.font.height) : m_doc.unitsPerInch / 6.0;
        double width = 0;
        if (qsizetype(record.dx.size()) >= record.bytes.size())
            for (double advance : record.dx)
                width += advance;
        else
            width = kCharWidth * height * double(text.size());
        const int horizontal = m_state.align & TaHorizontalMask;
        const int vertical = m_state.align & TaVerticalMask;
        const double left = horizontal == TaCenter  ? record.at.x() - width / 2
                            : horizontal == TaRight ? record.at.x() - width
                                                    : record.at.x();
        // Top-aligned text has its baseline about four fifths of the height down.
        const double baseline = vertical == TaBaseline ? record.at.y()
                                : vertical == TaBottom ? record.at.y() - 0.2 * height
                                                       : record.at.y() + 0.8 * height;
        const bool continues = m_state.align & TaUpdateCp;
        if (!m_lines.empty() && (continues || onLine(m_lines.back(), baseline, left, height))) {
            Line &line = m_lines.back();
            const double from = continues ? line.right : left;
            line.pieces.push_back({from, text});
            line.left = std::min(line.left, from);
            line.right = std::max(line.right, from + width);
            return;
        }
        m_lines.push_back({baseline, left, left + width, height, {{left, text}}});
    }

    static bool onLine(const Line &line, double baseline, double left, double height)
    {
        const double size = std::max(line.height, height);
        return qAbs(baseline - line.baseline) <= kBaselineSlack * size && left >= line.left - size &&
               left <= line.right + kWordGap * size;
    }

    static bool continuesParagraph(const Line &above, const Line &below)
    {
        const double step = below.baseline - above.baseline;
        const double slack = kIndentSlack * above.height;
        // A numbered item's next line starts under its text, not under its number.
        const bool underAPiece = std::any_of(above.pieces.begin(), above.pieces.end(), [&](const Piece &piece) {
            return qAbs(below.left - piece.left) <= slack;
        });
        const bool alignedUnder = qAbs((below.left + below.right) - (above.left + above.right)) / 2 <= slack ||
                                  qAbs(below.right - above.right) <= slack;
        return qAbs(above.height - below.height) <= kSizeSlack * above.height && step > 0 &&
               step <= kLineStep * above.height && (underAPiece || alignedUnder);
    }

    QString paragraphs() const
    {
        QStringList sentences;
        QStringList paragraph;
        for (size_t i = 0; i < m_lines.size(); ++i) {
            paragraph << m_lines[i].text();
            if (i + 1 == m_lines.size() || !continuesParagraph(m_lines[i], m_lines[i + 1])) {
                sentences << joinWords(paragraph);
                paragraph.clear();
            }
        }
        return joinSentences(sentences);
    }

    const WmfDocument &m_doc;
    WmfObjectTable m_objects;
    WmfFontCache m_fonts;
    TextState m_state;
    std::vector<TextState> m_saved;
    std::vector<Line> m_lines;
};

} // namespace

QString pageText(const WmfDocument &doc)
{
    return PageReader(doc).read();
}

QString pageText(const Picture &picture)
{
    return picture.wmf() ? pageText(*picture.wmf()) : QString();
}

} // namespace terralore
