#pragma once
// The "Xing" header (variable bit rate) or its "Info" form (constant bit rate,
// written by LAME) inside the first frame: which fields are present is said
// by its flags word, so each field is read only when its flag is set.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace vireo {

struct XingHeader {
    enum Flag : uint32_t { HasFrames = 1, HasBytes = 2, HasToc = 4, HasQuality = 8 };

    bool Valid = false;
    bool IsInfo = false;  // "Info": the stream is constant bit rate
    uint32_t Flags = 0;
    uint32_t Frames = 0;  // 0 when the flag is clear
    uint32_t Bytes = 0;
    uint32_t Quality = 0;
    int FieldsEnd = 0;    // offset from the header's start to the first byte after its fields

    // Parses the bytes at a header's start; Valid false when they are not one
    // or are cut short before the fields the flags name.
    static XingHeader parse(QByteArrayView bytes);
    // The bytes of a header with the given fields (a table of contents of 100
    // zero bytes when HasToc is set).
    QByteArray render() const;
};

} // namespace vireo
