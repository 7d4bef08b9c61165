#include "ViewLog.h"

namespace vireo::views {

void viewLog(const QString &text)
{
    Q_UNUSED(text); // the event log is attached when it lands
}

} // namespace vireo::views
