#include "gui/editing/SaveProgressWindow.h"

#include "core/editing/EditingTexts.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vireo::gui::editing {

SaveProgressWindow::SaveProgressWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaveProgressWindow"));
    setWindowTitle(vireo::editing::texts::tagEditorCaption());
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    m_count = new QLabel(this);
    m_file = new QLabel(this);
    m_file->setTextFormat(Qt::PlainText);
    m_file->setMinimumWidth(420);
    m_bar = new QProgressBar(this);
    m_cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    m_cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    layout->addWidget(m_count);
    layout->addWidget(m_file);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancelled = true;
        m_cancel->setEnabled(false);
    });
}

void SaveProgressWindow::step(int index, int total, const QString &path)
{
    if (!isVisible())
        show();
    m_count->setText(vireo::editing::texts::savingProgress().arg(index + 1).arg(total));
    m_file->setText(path);
    m_bar->setRange(0, total);
    m_bar->setValue(index);
    QApplication::processEvents();
}

vireo::editing::SaveProgress SaveProgressWindow::callback()
{
    return [this](int index, int total, const QString &path) {
        step(index, total, path);
        return !m_cancelled;
    };
}

} // namespace vireo::gui::editing
