#pragma once
// The two code pages of Vireo on Linux. The tag code page (CP932 unless the
// setting TagCodePage names another) holds ID3v1 bytes, ID3v2 texts of
// encoding 0 and the ID3v1 cache; the system code page (UTF-8) is for
// everything handed to the operating system or to other programs.
// Characters a code page cannot hold become its replacement character: "?"
// when encoding, U+30FB (CP932) or U+FFFD (others) when decoding.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vireo {

// Selects the tag code page by iconv name; false (and no change) when the
// converter does not know the name.
bool setTagCodePage(const QByteArray &name);
QByteArray tagCodePage();

QString fromTagCodePage(QByteArrayView bytes);
QByteArray toTagCodePage(QStringView text);
// Converts to the tag code page and back: characters it cannot hold do not survive.
QString throughTagCodePage(QStringView text);
// True when the byte starts a double-byte character of the tag code page
// (the Shift-JIS lead-byte ranges 0x81-0x9F and 0xE0-0xFC for CP932).
bool isTagLeadByte(unsigned char byte);

QString fromSystemCodePage(QByteArrayView bytes);
QByteArray toSystemCodePage(QStringView text);

// Text without a byte-order mark: UTF-8 when it is valid UTF-8, else the tag code page.
QString decodeUnmarked(QByteArrayView bytes);

// Decodes a whole text file by its first bytes: FF FE UTF-16LE, FE FF UTF-16BE,
// EF BB BF UTF-8, anything else as decodeUnmarked.
QString decodeTextFile(QByteArrayView bytes);

// General conversion by iconv name (used by the two above and by tests).
QString decodeWith(const QByteArray &codePage, QByteArrayView bytes);
QByteArray encodeWith(const QByteArray &codePage, QStringView text);

} // namespace vireo
