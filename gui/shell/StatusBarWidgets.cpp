#include "gui/shell/StatusBarWidgets.h"

#include "gui/shell/MainTexts.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace vireo::gui {

StatusBarWidgets buildStatusBar(QMainWindow *window)
{
    StatusBarWidgets w;
    QStatusBar *sb = window->statusBar();
    sb->setObjectName(QStringLiteral("SpTBXStatusBar1"));
    sb->setSizeGripEnabled(true);
    auto label = [&](const char *name, const QString &textValue = {}) {
        auto *l = new QLabel(textValue, sb);
        l->setObjectName(QString::fromLatin1(name));
        l->setContentsMargins(4, 0, 4, 0);
        return l;
    };
    w.SpTBXLabelItem2 = label("SpTBXLabelItem2");
    w.SpTBXLabelItem3 = label("SpTBXLabelItem3");
    w.SpTBXLabelItem4 = label("SpTBXLabelItem4");
    w.selectionSize = label("SpTBXLabelItem6", QStringLiteral("0"));
    w.selectionSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    w.selectionSize->setMinimumWidth(60);
    w.unitLabel = label("SpTBXLabelItem7", text::kMegaBytes);
    sb->addWidget(w.SpTBXLabelItem2);
    sb->addWidget(w.SpTBXLabelItem3);
    sb->addWidget(w.SpTBXLabelItem4, 1); // the stretch is the spacer
    sb->addPermanentWidget(w.selectionSize);
    sb->addPermanentWidget(w.unitLabel);
    return w;
}

} // namespace vireo::gui
