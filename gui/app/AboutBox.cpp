#include "gui/app/AboutBox.h"

#include "gui/shell/MainTexts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vireo::gui {

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(text::kAboutTitle);
    auto *lay = new QVBoxLayout(this);
    auto *name = new QLabel(text::kAppTitle, this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont f = name->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    name->setFont(f);
    auto *version = new QLabel(QStringLiteral(VIREO_VERSION), this);
    version->setObjectName(QStringLiteral("Version"));
    auto *close = new QPushButton(text::kAboutClose, this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    lay->addWidget(name, 0, Qt::AlignHCenter);
    lay->addWidget(version, 0, Qt::AlignHCenter);
    lay->addWidget(close, 0, Qt::AlignHCenter);
}

} // namespace vireo::gui
