#pragma once
// The images the windows share: track-list row icons, tree node icons and
// toolbar icons, drawn once at start instead of loaded from files.
#include <QIcon>
#include <QVector>

namespace vireo::gui {

class DataModule {
public:
    DataModule();
    // Row images by index: 0 ID3v1 shown, 2 no tag shown, 3 file missing, 4 ID3v2 shown.
    QIcon rowImage(int index) const;
    // Tree images by index: 2 album, 3 album selected, 16 compilation, 0 artist,
    // 4 playlist, 5 playlist selected.
    QIcon treeImage(int index) const;
    // A node's icon: `index` normally, `selectedIndex` (when not -1) while selected.
    QIcon treeIcon(int index, int selectedIndex) const;
    // A toolbar or tab icon: a rounded square in a colour with a short mark.
    static QIcon badge(const QString &mark, const QColor &colour);

private:
    QVector<QIcon> m_rows;
    QVector<QIcon> m_tree;
};

} // namespace vireo::gui
