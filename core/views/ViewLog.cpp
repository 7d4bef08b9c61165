#include "ViewLog.h"

#include "library/EventLog.h"

namespace vireo::views {

void viewLog(const QString &text)
{
    WriteLog(text);
}

} // namespace vireo::views
