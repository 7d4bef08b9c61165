#pragma once
// Keys for comparing names without regard to case, and the collated sort of
// nodes, shared by the tree builders.
#include <QString>
#include <QStringView>

namespace vireo::views {

// Equal for two texts exactly when QString::compare(a, b, Qt::CaseInsensitive) is 0:
// every code point replaced by its simple case folding.
QString foldKey(const QString &text);

} // namespace vireo::views
