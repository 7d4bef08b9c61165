#include "gui/textfix/TextfixCommand.h"

#include "core/textfix/TextfixTexts.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/StoreAccess.h"
#include "gui/textfix/TextfixWindow.h"

#include <QAction>

namespace vireo::gui {

TextfixCommand::TextfixCommand(const StoreAccess &store, MainMediator &mediator, QWidget *window, QObject *parent)
    : QObject(parent), m_store(store), m_mediator(mediator), m_window(window)
{
    m_action = new QAction(textfix::texts::menuCommand(), this);
    m_action->setObjectName(QStringLiteral("TextfixAction"));
    connect(m_action, &QAction::triggered, this, &TextfixCommand::run);
}

void TextfixCommand::run()
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return;
    if (m_open) {
        m_open->raise();
        return;
    }
    m_open = new TextfixWindow(*store, {}, m_window);
    m_open->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_open, &TextfixWindow::repairsApplied, this, [this](const QStringList &files) {
        m_mediator.requestTreesRebuild();
        m_mediator.showStatus(QStringLiteral("文字化け修復: %1 ファイル").arg(files.size()));
    });
    m_open->open();
}

} // namespace vireo::gui
