#pragma once
// TAdvancedFileCopy: the copy planner. It holds the destination, the space of
// the drive that holds it and the planned bytes of the copy list, and turns
// them into the copy tab's figures (ShowCopySpace) and gauge.
#include "core/platform/DiskSpace.h"
#include "core/platform/Result.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace vireo {

// What the copy tab shows: "planned / free / total" and the gauge.
struct CopySpaceView {
    QString text;          // LB_DiskFreeList
    int gauge = 0;         // FileCopyGauge, 0..100 (above 100 shows full)
    bool full = false;     // planned reaches or passes the free space
    QString colourName;    // "clSkyBlue" below 100, "clRed" at 100 or more
    uint32_t colourRgb = 0; // the same colour as 0xRRGGBB
};

inline constexpr uint32_t SkyBlueRgb = 0xA6CAF0; // clSkyBlue
inline constexpr uint32_t RedRgb = 0xFF0000;     // clRed

class TAdvancedFileCopy {
public:
    using SpaceQuery = std::function<ResultOf<DriveSpace>(const QString &path)>;

    // The default query asks the file system (statvfs); tests may give their own.
    explicit TAdvancedFileCopy(SpaceQuery query = {});

    void ClearPlanned() { m_planned = 0; }
    // Stores path and, when the drive can be queried, its total and free
    // space; a failed query keeps the previous figures. The result tells
    // whether the query succeeded.
    Result SetDestination(const QString &path);
    void AddPlanned(int64_t bytes) { m_planned += bytes; }
    void RemovePlanned(int64_t bytes) { m_planned -= bytes; }
    // 0 when nothing is planned or the drive is unknown; 100 when the drive
    // is full; otherwise planned * 100 / free.
    int FillPercent() const;
    // The planned size passes the free space ("コピー開始" asks first).
    bool ExceedsFreeSpace() const { return m_free < m_planned; }

    CopySpaceView ShowCopySpace() const;

    const QString &Destination() const { return m_destination; }
    int64_t DriveTotal() const { return m_total; }
    int64_t DriveFree() const { return m_free; }
    int64_t Planned() const { return m_planned; }

private:
    SpaceQuery m_query;
    QString m_destination;
    int64_t m_total = 0;
    int64_t m_free = 0;
    int64_t m_planned = 0;
};

// "#,##0.#MB" / "#,##0MB" of a byte count divided by 1024 twice; "0MB" when
// the count is not above 0.
QString formatMegabytes(int64_t bytes, bool oneDecimal);

} // namespace vireo
