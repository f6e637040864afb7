#pragma once

#include "screens/ReviewContent.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace merix {

class Prompter;
struct UploadSession;

// "Review Command File": the explained lines of a command file, grouped by section, with
// the summary of the upload, a search field, and Copy and Save As for the explained text.
class ReviewWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReviewWindow)

  public:
    // The file name to save under, or nothing when the user cancels.
    using SaveChooser = std::function<std::optional<std::string>(const std::string& suggested)>;

    ReviewWindow(ReviewContent content, Prompter& prompter, QWidget* parent,
                 SaveChooser chooseSaveFile = {});

    // For tests: the controls by their role.
    QLabel* summaryLabel() const { return m_summary; }
    QLabel* noticeLabel() const { return m_notice; }
    QLineEdit* searchField() const { return m_search; }
    QTreeWidget* lineTree() const { return m_tree; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* saveAsButton() const { return m_saveAs; }

    // The whole explained text, as Copy and Save As give it.
    QString explainedText() const;

  private:
    void buildControls();
    void fillTree();
    void onSearchChanged(const QString& text);
    void onCopy();
    void onSaveAs();

    ReviewContent m_content;
    Prompter& m_prompter;
    SaveChooser m_chooseSaveFile;

    QLabel* m_summary = nullptr;
    QLabel* m_notice = nullptr;
    QLineEdit* m_search = nullptr;
    QTreeWidget* m_tree = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_saveAs = nullptr;
    QPushButton* m_close = nullptr;
};

// The Terminal Window's Review: the command file about to be sent, explained, in a modal window.
void reviewUploadSession(UploadSession& session, QWidget* parent);

} // namespace merix
