#include "TagCodePageSetting.h"

#include "ProfileFile.h"
#include "SettingsTexts.h"
#include "library/EventLog.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"

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
