#include "core/settings/TagCodePageSetting.h"

#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsTexts.h"
#include "core/library/EventLog.h"
#include "core/platform/CodePage.h"
#include "core/platform/Paths.h"

namespace vireo {

bool applyTagCodePageSetting()
{
    const QString name = readProfileString(programPath(u".ini"), u"MP3Param", u"TagCodePage", QString());
    if (name.isEmpty())
        return false;
    if (setTagCodePage(name.toLatin1()))
        return true;
    WriteLog(settingstexts::unknownTagCodePage(name));
    return false;
}

} // namespace vireo
