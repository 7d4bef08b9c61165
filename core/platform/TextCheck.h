#pragma once
// Whether the bytes of a settings, list or cache file are text at all: a
// binary file put in their place (a picture, a program, a damaged disk
// block) is reported with its cause instead of being read as garbage and
// later written over.
#include <QByteArrayView>
#include <QString>

namespace vireo {

// Empty when the bytes look like text in UTF-8, the tag code page or, when
// utf16 is set, UTF-16 with its byte-order mark; else the cause in a few
// words ("NUL バイトを含みます", "制御文字が多すぎます", ...).
// A NUL ends the text; one that leaves more than half of the bytes after
// it (and not only NULs) makes the file binary.
QString notTextCause(QByteArrayView bytes, bool utf16);

} // namespace vireo
