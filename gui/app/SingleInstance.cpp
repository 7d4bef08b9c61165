#include "gui/app/SingleInstance.h"

#include <QDir>

namespace vireo::gui {

bool takeProgramFolder(const QString &folder, InstanceLock &lock,
                       const std::function<void(const QString &message)> &tell)
{
    QDir().mkpath(folder);
    ResultOf<InstanceLock> taken = InstanceLock::acquire(folder);
    if (taken) {
        lock = std::move(taken.value());
        return true;
    }
    if (taken.code() == ErrorCode::InUse) {
        tell(taken.message());
        return false;
    }
    return true;
}

} // namespace vireo::gui
