#pragma once
// The main window: holds every view of the collection and every command,
// and runs the start-up and shutdown sequence of the program.
#include "app/DataModule.h"
#include "app/MainWidgets.h"

#include <QMainWindow>
#include <memory>

namespace vireo::gui {

class LayoutController;
class TAboutBox;

class TVireoMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TVireoMainForm(QWidget *parent = nullptr);
    ~TVireoMainForm() override;

    MainWidgets &widgets() { return w; }
    LayoutController &layout() { return *m_layout; }
    TAboutBox &aboutBox() { return *m_about; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    DataModule m_images;
    MainWidgets w;
    LayoutController *m_layout = nullptr;
    TAboutBox *m_about = nullptr;
};

} // namespace vireo::gui
