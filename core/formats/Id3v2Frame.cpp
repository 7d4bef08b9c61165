#include "Id3v2Frame.h"

namespace vireo {

QList<Id3v2RawFrame> walkId3v2Frames(QByteArrayView, int, bool, bool) { return {}; }
QByteArray renderId3v2Frame(const Id3v2Frame &) { return {}; }
bool isValidFrameId(QByteArrayView) { return false; }

} // namespace vireo
