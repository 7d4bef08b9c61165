#include "core/fileops/AdvancedFileCopy.h"

#include <QStringList>
#include <cmath>

namespace vireo {

namespace {

// Groups the digits of a non-negative integer text in threes with ",".
QString groupThousands(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    out.reserve(n + n / 3);
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

} // namespace

QString formatMegabytes(int64_t bytes, bool oneDecimal)
{
    if (bytes <= 0)
        return QStringLiteral("0MB");
    // Tenths of a MiB, rounded half away from zero, in integers so that
    // large drives lose no precision.
    const int64_t mib = 1024 * 1024;
    if (!oneDecimal) {
        const int64_t whole = (bytes + mib / 2) / mib;
        return groupThousands(QString::number(whole)) + QStringLiteral("MB");
    }
    const int64_t tenths = (bytes * 10 + mib / 2) / mib;
    QString text = groupThousands(QString::number(tenths / 10));
    if (tenths % 10 != 0)
        text += u'.' + QString::number(tenths % 10);
    return text + QStringLiteral("MB");
}

TAdvancedFileCopy::TAdvancedFileCopy(SpaceQuery query) : m_query(std::move(query))
{
    if (!m_query)
        m_query = [](const QString &path) { return DriveSpaceOf(path); };
}

Result TAdvancedFileCopy::SetDestination(const QString &path)
{
    m_destination = path;
    ResultOf<DriveSpace> space = m_query(path);
    if (!space)
        return space.status();
    m_total = space->total;
    m_free = space->free;
    return Result::success();
}

int TAdvancedFileCopy::FillPercent() const
{
    if (m_planned == 0 || m_total == 0)
        return 0;
    if (m_free == 0)
        return 100;
    const int64_t percent = m_planned * 100 / m_free;
    // Clamped only to fit an int; the gauge shows anything above 100 as full.
    return percent > 1000000 ? 1000000 : percent < 0 ? 0 : int(percent);
}

CopySpaceView TAdvancedFileCopy::ShowCopySpace() const
{
    CopySpaceView view;
    view.text = QStringList{formatMegabytes(m_planned, true), formatMegabytes(m_free, false),
                            formatMegabytes(m_total, false)}
                    .join(QStringLiteral(" / "));
    const int percent = FillPercent();
    view.gauge = percent > 100 ? 100 : percent;
    view.full = percent >= 100;
    view.colourName = view.full ? QStringLiteral("clRed") : QStringLiteral("clSkyBlue");
    view.colourRgb = view.full ? RedRgb : SkyBlueRgb;
    return view;
}

} // namespace vireo
