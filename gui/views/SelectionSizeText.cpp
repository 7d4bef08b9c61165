#include "views/SelectionSizeText.h"

#include <cfenv>
#include <cmath>

namespace vireo::gui {

double fileSizeMegabytes(int64_t bytes)
{
    const double mb = double(bytes / 1024) / 1024.0;
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double tenths = std::nearbyint(mb * 10.0);
    std::fesetround(saved);
    return tenths / 10.0;
}

QString addSelectionSize(const QString &label, int64_t bytes)
{
    bool ok = false;
    double total = label.toDouble(&ok);
    if (!ok)
        total = 0;
    total += fileSizeMegabytes(bytes);
    return QString::number(total, 'g', 15);
}

} // namespace vireo::gui
