#pragma once
// TFindFileForm: the small progress window of a folder scan, with the title
// line, the folder or file being handled, and a "Cancel" button.
#include <QWidget>

class QLabel;
class QPushButton;

namespace vireo::gui {

class TFindFileForm : public QWidget {
    Q_OBJECT
public:
    // Centred on `owner`; shown at once without blocking.
    TFindFileForm(QWidget *owner, const QString &caption, const QString &title);

    void setTitle(const QString &title);        // TittelMess
    void setProgressText(const QString &text);  // RunTimeMess
    void setCancelEnabled(bool on);
    // Set by "Cancel"; never reset for the life of the window.
    bool cancelled() const { return m_cancelled; }
    // Lets the window repaint and the button be pressed.
    void processEvents();
    // Repaints the window at once (no other events are handled).
    void repaintNow();

    QLabel *titleLabel() const { return m_title; }
    QLabel *progressLabel() const { return m_progress; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QLabel *m_title;
    QLabel *m_progress;
    QPushButton *m_cancel;
    bool m_cancelled = false;
};

} // namespace vireo::gui
