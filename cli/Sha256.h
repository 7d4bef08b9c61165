#pragma once
// SHA-256 of picture bytes for `info`: OpenSSL's (which uses the CPU's SHA
// instructions) when the build found it, Qt's otherwise.
#include <QByteArray>
#include <QByteArrayView>

QByteArray sha256Hex(QByteArrayView data);
