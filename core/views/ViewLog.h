#pragma once
// The views' lines of the event log.
#include <QString>

namespace vireo::views {
void viewLog(const QString &text);
}
