#pragma once
// The progress window of a long save (a bulk edit or a rename over many
// files): the file count and the file being written, and a cancel button
// that stops the save between files. The window stays responsive.
#include "core/editing/SaveBatch.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vireo::gui::editing {

class SaveProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit SaveProgressWindow(QWidget *parent);
    // The callback for runSave: updates the window, handles pending events
    // and reports false once "キャンセル" was pressed.
    vireo::editing::SaveProgress callback();
    bool cancelled() const { return m_cancelled; }
    QLabel *countLabel() const { return m_count; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    void step(int index, int total, const QString &path);
    QLabel *m_count;
    QLabel *m_file;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    bool m_cancelled = false;
};

} // namespace vireo::gui::editing
