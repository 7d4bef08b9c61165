#pragma once
// The "送る" submenu: three commands, one per external tool, rebuilt from the
// settings at start and after the options dialog; a click sends the track
// list's selected files to the tool.
#include "core/fileops/ExternalTools.h"

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace vireo::gui {

class FileOpsPrompts;

class SendToMenu : public QObject {
    Q_OBJECT
public:
    using PathsOfSelection = std::function<QStringList()>;
    SendToMenu(QWidget *parentWidget, FileOpsPrompts &prompts, PathsOfSelection paths,
               ToolRunner runner = {}, QObject *parent = nullptr);

    QMenu *menu() const { return m_menu; }
    QAction *action(int i) const { return m_actions[size_t(i)]; }
    // Tool menu set-up from Tool1..Tool3 and Tool1Param..Tool3Param.
    void setup(const std::array<QString, 3> &tools, const std::array<int, 3> &forms);
    // TOOLMenuClick for tool i (0..2).
    void run(int i);

private:
    QWidget *m_parentWidget;
    FileOpsPrompts &m_prompts;
    PathsOfSelection m_paths;
    ToolRunner m_runner;
    QMenu *m_menu;
    std::array<QAction *, 3> m_actions{};
    ToolMenu m_entries;
};

} // namespace vireo::gui
