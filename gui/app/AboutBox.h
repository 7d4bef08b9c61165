#pragma once
// The about box: the program name and its version with a "Close" button.
#include <QDialog>

namespace vireo::gui {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

} // namespace vireo::gui
