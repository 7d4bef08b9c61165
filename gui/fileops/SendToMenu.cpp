#include "gui/fileops/SendToMenu.h"

#include "core/fileops/FileOpsTexts.h"
#include "gui/fileops/FileOpsPrompts.h"

#include <QAction>
#include <QMenu>

namespace vireo::gui {

SendToMenu::SendToMenu(QWidget *parentWidget, FileOpsPrompts &prompts, PathsOfSelection paths,
                       ToolRunner runner, QObject *parent)
    : QObject(parent), m_parentWidget(parentWidget), m_prompts(prompts), m_paths(std::move(paths)),
      m_runner(std::move(runner)), m_menu(new QMenu(fileops::texts::sendTo(), parentWidget))
{
    m_menu->setObjectName(QStringLiteral("SendToMenu"));
    m_menu->setToolTipsVisible(true);
    for (int i = 0; i < 3; ++i) {
        QAction *a = m_menu->addAction(QString());
        a->setObjectName(QStringLiteral("TOOL%1").arg(i + 1));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { run(i); });
        m_actions[size_t(i)] = a;
    }
}

void SendToMenu::setup(const std::array<QString, 3> &tools, const std::array<int, 3> &forms)
{
    m_entries = SetupToolMenu(tools, forms);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        QAction *a = m_actions[i];
        const ToolMenuEntry &e = m_entries[i];
        a->setVisible(e.visible);
        a->setText(e.caption);
        a->setToolTip(e.hint);
        a->setStatusTip(e.hint);
        a->setData(e.form);
    }
}

void SendToMenu::run(int i)
{
    if (i < 0 || i > 2 || !m_entries[size_t(i)].visible)
        return;
    const QStringList paths = m_paths ? m_paths() : QStringList();
    if (Result r = m_runner.run(m_entries[size_t(i)], paths); !r)
        m_prompts.warn(m_parentWidget, r.message());
}

} // namespace vireo::gui
