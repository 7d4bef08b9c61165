#include "app/VireoMainForm.h"

#include "app/AboutBox.h"
#include "app/LayoutController.h"
#include "app/MainTexts.h"

#include <QAction>
#include <QCloseEvent>

namespace vireo::gui {

TVireoMainForm::TVireoMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("VireoMainForm"));
    setWindowTitle(text::kAppTitle);
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);
    resize(915, 743);

    w.window = this;
    buildMainMenus(w, m_images);
    buildMainLayout(w, m_images);
    m_layout = new LayoutController(w, this);
    m_about = new TAboutBox(this);

    connect(w.actions.exit, &QAction::triggered, this, &QWidget::close);
    connect(w.actions.about, &QAction::triggered, m_about, &QDialog::exec);
}

TVireoMainForm::~TVireoMainForm() = default;

void TVireoMainForm::closeEvent(QCloseEvent *event)
{
    event->accept();
}

} // namespace vireo::gui
