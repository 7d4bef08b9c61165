#include "core/views/ViewLog.h"

#include "core/library/EventLog.h"

namespace vireo::views {

void viewLog(const QString &text)
{
    WriteLog(text);
}

} // namespace vireo::views
