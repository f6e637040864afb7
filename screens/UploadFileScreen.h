#pragma once

#include "document/FixedText.h"
#include "link/UploadSettings.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace merix {

class Prompter;
class TextEditorLauncher;

// "Upload File": names the file "Upload Other File" sends. Every change goes into the name
// at once; Cancel empties it, which tells the Terminal Window to send nothing.
class UploadFileScreen final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UploadFileScreen)

  public:
    UploadFileScreen(FixedText<kPathCapacity>& otherUploadFile, Prompter& prompter,
                     TextEditorLauncher& editor, QWidget* parent);

    QLineEdit* fileField() const { return m_file; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    void reject() override;

  private:
    FixedText<kPathCapacity>& m_otherUploadFile;
    QLineEdit* m_file = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace merix
