#include "picture/WmfState.h"

namespace terralore {

namespace {

// Logical units per inch of the fixed mapping modes.
double fixedUnitsPerInch(int mode)
{
    switch (mode) {
    case wmf::MmLoMetric:
        return 254;
    case wmf::MmHiMetric:
        return 2540;
    case wmf::MmLoEnglish:
        return 100;
    case wmf::MmHiEnglish:
        return 1000;
    case wmf::MmTwips:
        return 1440;
    default:
        return 0;
    }
}

double safeExtent(double value)
{
    return value == 0 ? 1 : value;
}

} // namespace

QTransform logicalToFrameUnits(const WmfDcState &s, int unitsPerInch)
{
    double sx = 1;
    double sy = 1;
    if (const double fixed = fixedUnitsPerInch(s.mapMode)) {
        sx = unitsPerInch / fixed;
        sy = -sx; // the metric and English modes have y growing upwards
    } else if (s.mapMode == wmf::MmIsotropic || s.mapMode == wmf::MmAnisotropic) {
        sx = s.viewportExt.width() / safeExtent(s.windowExt.width());
        sy = s.viewportExt.height() / safeExtent(s.windowExt.height());
        if (s.mapMode == wmf::MmIsotropic) {
            // Equal units both ways: the smaller scale wins, directions are kept.
            const double m = qMin(qAbs(sx), qAbs(sy));
            sx = sx < 0 ? -m : m;
            sy = sy < 0 ? -m : m;
        }
    }
    // device = (logical - windowOrg) * scale + viewportOrg
    return QTransform(sx, 0, 0, sy, s.viewportOrg.x() - s.windowOrg.x() * sx, s.viewportOrg.y() - s.windowOrg.y() * sy);
}

QSizeF scaledExtent(QSizeF extent, const WmfParams &p)
{
    // Parameters: yDenom, yNum, xDenom, xNum.
    const double xNum = p.s16(3);
    const double xDenom = p.s16(2);
    const double yNum = p.s16(1);
    const double yDenom = p.s16(0);
    if (xDenom == 0 || yDenom == 0 || xNum == 0 || yNum == 0)
        return extent;
    return QSizeF(extent.width() * xNum / xDenom, extent.height() * yNum / yDenom);
}

} // namespace terralore
