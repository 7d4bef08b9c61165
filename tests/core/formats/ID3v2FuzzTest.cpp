// Damaged tags: mutated and truncated fixtures must never crash the reader
// or the writer, and nothing but the file itself may be left behind.
#include "core/formats/ID3v2.h"
#include "tests/core/formats/ID3v2TestUtil.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace vireo;
using namespace vireo::test;

namespace {

QList<QByteArray> fixtures()
{
    const QByteArray utf16 = bytes({1, 0xFF, 0xFE, 0x41, 0, 0xFF, 0x30, 0, 0});
    QList<QByteArray> out;
    out << id3Tag(2, frame22("TT2", text0("title")) + frame22("COM", text0(QByteArray("eng\0c", 5)))
                     + frame22("PIC", QByteArray("\0JPG\x03\0", 6) + QByteArray(300, 'j')), 40);
    out << id3Tag(3, be32(6) + bytes({0, 0, 0, 0, 0, 0}) + frame23("TIT2", utf16)
                     + frame23("TPE1", be32(2) + qCompress(text0("A")).mid(4), 0, 0x80)
                     + frame23("COMM", bytes({1, 'e', 'n', 'g', 0xFF, 0xFE, 0, 0, 0xFF, 0xFE, 'x', 0}))
                     + frame23("APIC", QByteArray("\0image/png\0\x03\0", 13) + QByteArray(500, 'p')), 100, 0xC0);
    out << id3Tag(4, ss32(6) + bytes({1, 0}) + frame24("TIT2", QByteArray(1, 3) + u"日本"_qs.toUtf8())
                     + frame24("TPE1", bytes({1, 0xFF, 0x00, 0xFE, 0x41, 0}), 0, 0x02)
                     + frame24("TXXX", ss32(5) + text0(QByteArray("a\0b", 3)), 0, 0x01)
                     + frame24("TDRC", text0("2004-05-01")) + frame24("TIPL", text0(QByteArray("a\0b", 3))), 60, 0x50);
    return out;
}

TEST(Id3v2Fuzz, DamagedTagsNeverCrashNorLeaveFilesBehind)
{
    const QList<QByteArray> tags = fixtures();
    const QByteArray audio = silentMpegFrames(4);
    std::mt19937 rng(20261209);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.mp3"_qs);
    for (int round = 0; round < 300; ++round) {
        QByteArray tag = tags[round % tags.size()];
        std::uniform_int_distribution<int> pos(0, int(tag.size()) - 1);
        const int edits = 1 + int(rng() % 6);
        for (int e = 0; e < edits; ++e)
            tag[pos(rng)] = char(rng() & 0xFF);
        QByteArray file = tag + audio;
        if (rng() % 4 == 0)
            file.truncate(int(rng() % file.size()));
        writeFile(path, file);

        TID3v2 t;
        const bool loaded = t.LoadTag(path).ok();
        EXPECT_EQ(loaded, file.size() >= 10);
        t.setTitle(u"fuzz"_qs);
        const bool saved = ((round % 5 == 0) ? t.StripTag(path) : t.SaveTag(path)).ok();
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        ASSERT_EQ(left, QStringList{u"f.mp3"_qs}) << "round " << round;
        if (saved && round % 5 != 0) {
            TID3v2 back;
            ASSERT_TRUE(back.LoadTag(path));
            EXPECT_EQ(back.Title(), u"fuzz"_qs) << "round " << round;
            EXPECT_EQ(back.MajorVersion(), 3);
        }
        if (!saved) {
            EXPECT_EQ(readFile(path), file) << "round " << round;
        }
    }
}

} // namespace
