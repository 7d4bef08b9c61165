#include "core/views/TrackColumns.h"

#include "core/views/ColumnTags.h"

#include <cfenv>
#include <cmath>

namespace vireo::views {

namespace {
bool validTag(int tag) { return tag >= 1 && tag <= 10; }
} // namespace

ColumnWidths::ColumnWidths() : m_restore(trackcolumn::kRestoreWidth)
{
    for (const TrackColumn &c : trackColumns())
        m_widths[size_t(c.Position)] = c.DesignWidth < 0 ? 100 : c.DesignWidth;
    m_checked.fill(true);
}

int ColumnWidths::width(int position) const
{
    return position >= 0 && position < kTrackColumnCount ? m_widths[size_t(position)] : 0;
}

void ColumnWidths::setWidth(int position, int width)
{
    if (position < 0 || position >= kTrackColumnCount)
        return;
    m_widths[size_t(position)] = std::max(0, width);
    const int tag = trackColumns()[size_t(position)].Tag;
    // The settings load clears the check mark of a column that starts hidden.
    if (validTag(tag))
        m_checked[size_t(tag)] = m_widths[size_t(position)] > 0;
}

int ColumnWidths::restoreWidth(int tag) const
{
    return validTag(tag) ? m_restore[size_t(tag)] : 0;
}

void ColumnWidths::setRestoreWidth(int tag, int width)
{
    if (validTag(tag))
        m_restore[size_t(tag)] = width;
}

bool ColumnWidths::isShown(int tag) const
{
    return validTag(tag) && m_checked[size_t(tag)];
}

void ColumnWidths::toggle(int tag)
{
    if (!validTag(tag))
        return;
    const bool hide = m_checked[size_t(tag)];
    for (int p = 1; p < kTrackColumnCount; ++p) {
        if (trackColumns()[size_t(p)].Tag != tag)
            continue;
        if (hide) {
            m_restore[size_t(tag)] = m_widths[size_t(p)];
            m_widths[size_t(p)] = 0;
        } else {
            m_widths[size_t(p)] = m_restore[size_t(tag)];
        }
    }
    m_checked[size_t(tag)] = !hide;
}

QString addSelectionSize(const QString &label, qint64 fileSize)
{
    const double mb = double(std::max<qint64>(fileSize, 0) / 1024) / 1024.0;
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(mb * 10.0) / 10.0;
    std::fesetround(saved);
    bool ok = false;
    double total = label.toDouble(&ok);
    if (!ok)
        total = 0;
    total += rounded;
    if (total == 0)
        return QStringLiteral("0");
    return QString::number(total, 'g', 15);
}

} // namespace vireo::views
