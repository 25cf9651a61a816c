#pragma once

#include "picture/WmfDocument.h"

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QString>

#include <set>
#include <variant>
#include <vector>

namespace terralore {

struct WmfPen {
    int style = 0;    // PenStyle bits
    double width = 0; // logical units; 0 is the thinnest line the device draws
    QColor color = Qt::black;
};

struct WmfBrush {
    int style = 0; // BrushStyle
    QColor color = Qt::white;
    int hatch = 0;  // HatchStyle
    QImage pattern; // for pattern brushes
};

struct WmfFont {
    int height = 0; // logical units; negative: character height, positive: cell height
    int width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    int pitchAndFamily = 0;
    QString face;
};

// A region object in logical units.
struct WmfRegionObject {
    QRegion region;
};

// What a slot holds; monostate stands for objects we accept and ignore
// (palettes, records too damaged to read).
using WmfObject = std::variant<std::monostate, WmfPen, WmfBrush, WmfFont, WmfRegionObject>;

QColor colorFromRef(quint32 colorRef);
// The union of many regions, merged in pairs (n log n rather than n²).
QRegion uniteRegions(std::vector<QRegion> parts);
WmfPen penFromRecord(const WmfParams &params);
WmfBrush brushFromRecord(const WmfParams &params);
WmfBrush patternBrushFromRecord(const WmfParams &params, const QImage &pattern);
WmfFont fontFromRecord(const WmfParams &params);
WmfRegionObject regionFromRecord(const WmfParams &params);

// The metafile's object table: each new object takes the lowest free index.
class WmfObjectTable {
public:
    explicit WmfObjectTable(int capacity) : m_capacity(capacity) {}

    // The index used, or -1 if the table is full.
    int add(WmfObject object);
    const WmfObject *find(int index) const;
    void remove(int index);

private:
    int m_capacity;
    std::vector<WmfObject> m_objects;
    std::vector<bool> m_used;
    std::set<int> m_free; // freed indexes below m_objects.size()
};

} // namespace terralore
