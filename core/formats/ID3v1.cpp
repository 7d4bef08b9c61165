#include "core/formats/ID3v1.h"

#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"

#include <cerrno>
#include <cstring>

namespace vireo {
namespace {
bool startsWithTag(QByteArrayView block)
{
    return block.size() >= 3 && block[0] == 'T' && block[1] == 'A' && block[2] == 'G';
}

}

QByteArray TID3v1::field(QByteArrayView bytes, int width)
{
    qsizetype n = std::min<qsizetype>(bytes.size(), width);
    while (n > 0 && static_cast<unsigned char>(bytes[n - 1]) <= 32)
        --n;
    return bytes.first(n).toByteArray();
}

void TID3v1::Reset() { *this = TID3v1(); }

uint8_t TID3v1::DecideRevision(uint8_t byte125, uint8_t byte126)
{
    if ((byte125 == 0 && byte126 != 0) || (byte125 == 32 && byte126 != 32))
        return 2;
    return 1;
}

bool TID3v1::ParseBlock(QByteArrayView block)
{
    Reset();
    if (block.size() != BlockSize)
        return false;
    if (!startsWithTag(block))
        return true;
    const auto *b = reinterpret_cast<const unsigned char *>(block.data());
    m_present = true;
    m_revision = DecideRevision(b[125], b[126]);
    m_title = field(block.sliced(3, 30), 30);
    m_artist = field(block.sliced(33, 30), 30);
    m_album = field(block.sliced(63, 30), 30);
    m_year = field(block.sliced(93, 4), 4);
    if (m_revision == 2) {
        m_comment = field(block.sliced(97, 28), 28);
        m_track = b[126];
    } else {
        m_comment = field(block.sliced(97, 30), 30);
    }
    m_genre = b[127];
    return true;
}

QByteArray TID3v1::RenderBlock() const
{
    QByteArray block(BlockSize, '\0');
    char *d = block.data();
    std::memcpy(d, "TAG", 3);
    auto put = [d](int offset, const QByteArray &v, int width) {
        std::memcpy(d + offset, v.constData(), std::min<qsizetype>(v.size(), width));
    };
    put(3, m_title, 30);
    put(33, m_artist, 30);
    put(63, m_album, 30);
    put(93, m_year, 4);
    put(97, m_comment, 30);
    if (m_track != 0) {
        d[125] = 0;
        d[126] = char(m_track);
    }
    d[127] = char(m_genre);
    return block;
}

Result TID3v1::LoadTag(const QString &path)
{
    Reset();
    FileReader file;
    if (Result r = file.open(path); !r)
        return r;
    return LoadTag(file);
}

Result TID3v1::parse(QByteArrayView bytes) { return LoadTag(MemorySource(bytes)); }

Result TID3v1::LoadTag(const ByteSource &file)
{
    Reset();
    if (!file.isOpen())
        return Result::failure(ErrorCode::InvalidArgument, QStringLiteral("no file open"));
    if (file.size() < BlockSize)
        return tooShort(file.name());
    QByteArray block;
    errno = 0;
    if (!file.readExact(file.size() - BlockSize, BlockSize, block))
        return errnoFailure(file.name(), errno ? errno : EIO);
    (void)ParseBlock(block);
    return Result::success();
}

Result TID3v1::tooShort(const QString &path)
{
    return Result::failure(ErrorCode::BadData, path + QStringLiteral(": file is shorter than 128 bytes"));
}

Result TID3v1::SaveTag(const QString &path) const
{
    FileWriter file;
    if (Result r = file.open(path); !r)
        return r;
    if (file.size() < BlockSize)
        return tooShort(path);
    const int64_t size = file.size();
    const ResultOf<QByteArray> tail = file.readAt(size - BlockSize, BlockSize);
    if (!tail)
        return tail.status();
    const QByteArray block = RenderBlock();
    if (startsWithTag(*tail))
        return file.writeAt(block, size - BlockSize);
    if (Result r = file.writeAt(block, size); !r) {
        // A failed append must not leave part of a tag behind.
        (void)file.truncate(size);
        return r;
    }
    return Result::success();
}

Result TID3v1::StripTag(const QString &path) const
{
    // Look first, so that a file without a tag needs no write access.
    {
        FileReader reader;
        if (Result r = reader.open(path); !r)
            return r;
        if (reader.size() < BlockSize)
            return tooShort(path);
        QByteArray tail;
        if (!reader.readExact(reader.size() - BlockSize, BlockSize, tail))
            return errnoFailure(path, errno ? errno : EIO);
        if (!startsWithTag(tail))
            return Result::success();
    }
    FileWriter file;
    if (Result r = file.open(path); !r)
        return r;
    if (file.size() < BlockSize)
        return tooShort(path);
    const ResultOf<QByteArray> tail = file.readAt(file.size() - BlockSize, BlockSize);
    if (!tail)
        return tail.status();
    if (!startsWithTag(*tail))
        return Result::success();
    return file.truncate(file.size() - BlockSize);
}

} // namespace vireo
