#pragma once
// Unicode texts of a track's ID3v1 values, read up to their first zero byte.
#include "core/library/TrackRecord.h"

namespace vireo::views {

template <int N>
QString v1FieldText(const FixedText<N> &field)
{
    return field.text();
}

} // namespace vireo::views
