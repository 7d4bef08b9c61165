#pragma once
// Output helpers of the playback commands: UTF-8 lines on stdout, flushed at
// once so a script following `play` sees each position as it comes.
#include <QString>

#include <cstdio>

inline void cliPrint(const QString &line)
{
    const QByteArray b = (line + u'\n').toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fflush(stdout);
}
