#include "core/views/CoverLookup.h"

#include "core/views/ViewLog.h"
#include "core/views/ViewTexts.h"

#include <QFileInfo>

namespace vireo::views {

namespace {
bool isFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}
} // namespace

bool lookUpCoverFile(T_Vireo_NodeData &data)
{
    if (data.Kind != T_Vireo_NodeData::AlbumKind)
        return false;
    if (data.CoverLookedUp)
        return data.CoverFound;
    data.CoverLookedUp = true;
    data.CoverFound = false;
    data.CoverFile.clear();
    // The album name is used as a file name unchanged; one holding "/" cannot
    // name a file in the folder, so only "folder.jpg" is tried then.
    const QString folder = data.Folder.endsWith(u'/') ? data.Folder : data.Folder + u'/';
    const QString named = folder + data.Album + QStringLiteral(".jpg");
    const QString generic = folder + QStringLiteral("folder.jpg");
    if (!data.Album.contains(u'/') && !data.Album.isEmpty() && isFile(named))
        data.CoverFile = named;
    else if (isFile(generic))
        data.CoverFile = generic;
    if (data.CoverFile.isEmpty()) {
        viewLog(kLogNoCoverFile + data.Album);
        return false;
    }
    data.CoverFound = true;
    return true;
}

void forgetCoverLookup(T_Vireo_NodeData &data)
{
    data.CoverLookedUp = false;
    data.CoverFound = false;
    data.CoverFile.clear();
    data.Cover.reset();
}

} // namespace vireo::views
