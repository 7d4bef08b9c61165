#pragma once
// The main window's layout commands: the tree panel and lower panel toggles,
// layouts A and B, the toolbar theme and text options, the tree-tab scroll buttons.
#include <QObject>

namespace vireo::gui {

struct MainWidgets;

class LayoutController : public QObject {
    Q_OBJECT
public:
    explicit LayoutController(MainWidgets &w, QObject *parent = nullptr);

    void setTreePanelVisible(bool visible);
    bool treePanelVisible() const;
    void setLowerPanelOpen(bool open);
    bool lowerPanelOpen() const;
    // Applies a stored theme name; an unknown name selects Fusion but the
    // stored text is kept and written back.
    void applySkin(const QString &name);
    QString skin() const { return m_skin; }
    void setLayoutA();
    void setLayoutB();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateScrollButtons();
    void scrollTabs(int direction);

    MainWidgets &w;
    QString m_skin;
};

} // namespace vireo::gui
