#pragma once
// Brings frames read from an ID3v2.2, 2.3 or 2.4 tag into ID3v2.3 form so
// that a rewritten tag keeps them: 2.2 identifiers become their 2.3 forms,
// 2.4 flags, text encodings and value lists become what 2.3 allows, and the
// 2.4 date and people frames become their 2.3 counterparts.
#include "core/formats/Id3v2Frame.h"

#include <QByteArray>
#include <QList>

namespace vireo {

// The 2.3 identifier of a 2.2 one; empty when 2.3 has none.
QByteArray id3v22To23Id(QByteArrayView id);

// Converts the frames in order. "TDRC" gives "TDAT" and "TIME" (the year
// itself is written from the year field), "TDOR" gives "TORY", "TIPL" and
// "TMCL" give one "IPLS"; frames without a 2.3 form ("ASPI", "SEEK",
// "SIGN", 2.2 "CRM" and unknown 2.2 identifiers) are appended to dropped.
QList<Id3v2Frame> convertFramesToV23(const QList<Id3v2RawFrame> &frames, QList<QByteArray> *dropped);

} // namespace vireo
