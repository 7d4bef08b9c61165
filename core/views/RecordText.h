#pragma once
// Unicode texts of a track's ID3v1 values, read up to their first zero byte.
#include "library/TrackRecord.h"

#include "platform/CodePage.h"

namespace vireo::views {

template <typename Field>
QString v1FieldText(const Field &field)
{
    const QByteArrayView bytes(field);
    const qsizetype zero = bytes.indexOf('\0');
    return fromTagCodePage(zero < 0 ? bytes : bytes.first(zero));
}

} // namespace vireo::views
