#include "core/views/CoverLookup.h"

#include "core/formats/ID3v2.h"
#include "core/platform/FileAccess.h"
#include "core/views/ViewLog.h"
#include "core/views/ViewTexts.h"

namespace vireo::views {

namespace {
bool isFile(const QString &path)
{
    const FileStat st = statFile(path);
    return st.exists && !st.isDir;
}
} // namespace

CoverArt FindCoverArt(const QString &folder, const QString &album, const QString &trackFile)
{
    CoverArt cover;
    if (!folder.isEmpty()) {
        // The album name is used as a file name unchanged; one holding "/"
        // cannot name a file in the folder, so only "folder.jpg" is tried then.
        const QString dir = folder.endsWith(u'/') ? folder : folder + u'/';
        const QString named = dir + album + QStringLiteral(".jpg");
        const QString generic = dir + QStringLiteral("folder.jpg");
        if (!album.contains(u'/') && !album.isEmpty() && isFile(named))
            cover.path = named;
        else if (isFile(generic))
            cover.path = generic;
    }
    if (!cover.path.isEmpty()) {
        cover.kind = CoverArt::File;
        return cover;
    }
    viewLog(kLogNoCoverFile + album);
    return embeddedCover(trackFile);
}

CoverArt embeddedCover(const QString &trackFile)
{
    CoverArt cover;
    if (trackFile.isEmpty())
        return cover;
    TID3v2 tag;
    if (!tag.LoadTag(trackFile))
        return cover;
    const TagPicInfo &pic = tag.Picture();
    if (pic.ImageData.isEmpty())
        return cover;
    cover.kind = CoverArt::Embedded;
    cover.path = trackFile;
    cover.embedded = pic.ImageData;
    cover.embeddedMime = pic.MimeType;
    return cover;
}

ResultOf<QByteArray> loadCoverBytes(const CoverArt &cover)
{
    switch (cover.kind) {
    case CoverArt::None:
        return Result::failure(ErrorCode::NotFound, QStringLiteral("no cover picture"));
    case CoverArt::Embedded:
        return cover.embedded;
    case CoverArt::File:
        break;
    }
    const FileStat st = statFile(cover.path);
    if (!st.exists || st.isDir)
        return Result::failure(ErrorCode::NotFound, cover.path + QStringLiteral(": no such file"));
    if (st.size > kMaxCoverFileBytes)
        return Result::failure(ErrorCode::TooLarge,
                               cover.path + QStringLiteral(": picture file larger than 32 MB"));
    QByteArray bytes;
    if (!readWholeFile(cover.path, bytes))
        return Result::failure(ErrorCode::IoError, cover.path + QStringLiteral(": cannot be read"));
    return bytes;
}

bool lookUpCoverFile(T_Vireo_NodeData &data)
{
    if (data.Kind != T_Vireo_NodeData::AlbumKind)
        return false;
    if (data.CoverLookedUp)
        return data.CoverFound;
    const CoverArt cover = FindCoverArt(data.Folder, data.Album, data.FirstFile);
    data.CoverLookedUp = true;
    data.CoverFound = cover.kind != CoverArt::None;
    data.CoverEmbedded = cover.kind == CoverArt::Embedded;
    data.CoverFile = cover.path;
    return data.CoverFound;
}

void forgetCoverLookup(T_Vireo_NodeData &data)
{
    data.CoverLookedUp = false;
    data.CoverFound = false;
    data.CoverEmbedded = false;
    data.CoverFile.clear();
}

} // namespace vireo::views
