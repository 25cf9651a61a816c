#pragma once

#include <QtGlobal>

// Numbers of the Windows Metafile format: record functions, modes and flags.
namespace terralore::wmf {

enum Function : quint16 {
    EndOfFile = 0x0000,
    SaveDC = 0x001E,
    RealizePalette = 0x0035,
    SetPalEntries = 0x0037,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetRelAbs = 0x0105,
    SetPolyFillMode = 0x0106,
    SetStretchBltMode = 0x0107,
    SetTextCharExtra = 0x0108,
    RestoreDC = 0x0127,
    InvertRegion = 0x012A,
    PaintRegion = 0x012B,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    ResizePalette = 0x0139,
    DibCreatePatternBrush = 0x0142,
    SetLayout = 0x0149,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetTextJustification = 0x020A,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    OffsetClipRgn = 0x0220,
    FillRegion = 0x0228,
    SetMapperFlags = 0x0231,
    SelectPalette = 0x0234,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    FloodFill = 0x0419,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    FrameRegion = 0x0429,
    AnimatePalette = 0x0436,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    ExtFloodFill = 0x0548,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    Escape = 0x0626,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    BitBlt = 0x0922,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    StretchBlt = 0x0B23,
    DibStretchBlt = 0x0B41,
    SetDibToDev = 0x0D33,
    StretchDib = 0x0F43,
};

enum MapMode : int {
    MmText = 1,
    MmLoMetric = 2,
    MmHiMetric = 3,
    MmLoEnglish = 4,
    MmHiEnglish = 5,
    MmTwips = 6,
    MmIsotropic = 7,
    MmAnisotropic = 8,
};

enum BkMode : int { Transparent = 1, Opaque = 2 };
enum PolyFill : int { Alternate = 1, Winding = 2 };

enum PenStyle : int {
    PsSolid = 0,
    PsDash = 1,
    PsDot = 2,
    PsDashDot = 3,
    PsDashDotDot = 4,
    PsNull = 5,
    PsInsideFrame = 6,
    PsStyleMask = 0x000F,
    PsEndCapSquare = 0x0100,
    PsEndCapFlat = 0x0200,
    PsEndCapMask = 0x0F00,
    PsJoinBevel = 0x1000,
    PsJoinMiter = 0x2000,
    PsJoinMask = 0xF000,
};

enum BrushStyle : int { BsSolid = 0, BsNull = 1, BsHatched = 2, BsPattern = 3, BsDibPattern = 5, BsDibPatternPt = 6 };

enum HatchStyle : int {
    HsHorizontal = 0,
    HsVertical = 1,
    HsFDiagonal = 2,
    HsBDiagonal = 3,
    HsCross = 4,
    HsDiagCross = 5
};

enum TextAlign : int {
    TaUpdateCp = 0x0001,
    TaRight = 0x0002,
    TaCenter = 0x0006,
    TaHorizontalMask = 0x0006,
    TaBottom = 0x0008,
    TaBaseline = 0x0018,
    TaVerticalMask = 0x0018,
};

enum ExtTextOption : int { EtoOpaque = 0x0002, EtoClipped = 0x0004, EtoPdy = 0x2000 };

// Binary raster operations used by pens and brushes.
enum Rop2 : int { R2Black = 1, R2Not = 6, R2Nop = 11, R2CopyPen = 13, R2White = 16 };

// Ternary raster operations of the bitmap records (high word is enough to tell them apart).
enum Rop3 : quint32 {
    RopBlackness = 0x00000042,
    RopDstInvert = 0x00550009,
    RopPatInvert = 0x005A0049,
    RopSrcInvert = 0x00660046,
    RopSrcAnd = 0x008800C6,
    RopSrcCopy = 0x00CC0020,
    RopSrcPaint = 0x00EE0086,
    RopPatCopy = 0x00F00021,
    RopWhiteness = 0x00FF0062,
};

enum StretchMode : int { BlackOnWhite = 1, WhiteOnBlack = 2, ColorOnColor = 3, Halftone = 4 };

enum ColorUsage : int { DibRgbColors = 0, DibPalColors = 1, DibPalIndices = 2 };

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;

} // namespace terralore::wmf
