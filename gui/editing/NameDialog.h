#pragma once
// TMdlgForm: the small modal dialog that asks for an artist or album name,
// in one of four modes (add or rename, artist or album).
#include "core/editing/Rename.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vireo::gui::editing {

class TMdlgForm : public QDialog {
    Q_OBJECT
public:
    explicit TMdlgForm(QWidget *parent = nullptr);

    // Sets title, prompt and note for the mode, puts the current name in the
    // field (empty for the add modes) and runs the dialog; true on "OK".
    bool AskName(vireo::editing::NameMode mode, const QString &currentName);
    // The field's content as the rest of the program takes it.
    QString EnteredName() const;

    // Prepares the dialog as AskName does without running it (for tests and
    // for callers that show it themselves).
    void prepare(vireo::editing::NameMode mode, const QString &currentName);

    QLineEdit *Edit_NewParam;
    QLabel *promptLabel;
    QLabel *noteLabel;
    QCheckBox *dontShowCheck;
    QPushButton *okButton;
    QPushButton *cancelButton;
};

} // namespace vireo::gui::editing
