#include "TagCodePageSetting.h"

#include "ProfileFile.h"
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
    WriteLog(QStringLiteral("TagCodePage: 不明な文字コード \"%1\" は無視します").arg(name));
    return false;
}

} // namespace vireo
