#include "gui/editing/NameDialog.h"

#include "core/editing/EditingTexts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vireo::gui::editing {

using namespace vireo::editing;

TMdlgForm::TMdlgForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MdlgForm"));
    setWindowTitle(texts::nameDialogInitialTitle());
    auto *layout = new QVBoxLayout(this);
    promptLabel = new QLabel(this);
    auto *current = new QLabel(texts::currentNameLabel(), this);
    Edit_NewParam = new QLineEdit(this);
    Edit_NewParam->setObjectName(QStringLiteral("Edit_NewParam"));
    noteLabel = new QLabel(this);
    noteLabel->setWordWrap(true);
    dontShowCheck = new QCheckBox(texts::dontShowAgain(), this);
    dontShowCheck->setEnabled(false);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    layout->addWidget(promptLabel);
    layout->addWidget(current);
    layout->addWidget(Edit_NewParam);
    layout->addWidget(noteLabel);
    layout->addWidget(dontShowCheck);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject); // Escape rejects as well
    setMinimumWidth(380);
}

void TMdlgForm::prepare(NameMode mode, const QString &currentName)
{
    const NameModeTexts t = nameModeTexts(mode);
    setWindowTitle(t.title);
    promptLabel->setText(t.prompt);
    noteLabel->setText(t.note);
    const bool add = mode == NameMode::ArtistAdd || mode == NameMode::AlbumAdd;
    Edit_NewParam->setText(add ? QString() : currentName);
    dontShowCheck->setChecked(false);
    Edit_NewParam->setFocus();
}

bool TMdlgForm::AskName(NameMode mode, const QString &currentName)
{
    prepare(mode, currentName);
    return exec() == QDialog::Accepted;
}

QString TMdlgForm::EnteredName() const
{
    return enteredName(Edit_NewParam->text());
}

} // namespace vireo::gui::editing
