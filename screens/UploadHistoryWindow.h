#pragma once

#include "link/UploadHistory.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace merix {

class ConfigDocument;
class Prompter;

// "Upload History": every upload of the document, oldest first: when, how it ended, how many
// lines of how many went, with which option, port and rate. For the one selected it shows
// the command file sent and the transcript of its connection, the command file that would
// bring the controller from that state to the current document, and opens that state as a
// new document when the caller allows it.
class UploadHistoryWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UploadHistoryWindow)

  public:
    // Opens the document file of an entry as a new, unsaved document; true when it did.
    using OpenAsNew = std::function<bool(const std::string& documentFile)>;

    UploadHistoryWindow(const ConfigDocument& doc, Prompter& prompter, OpenAsNew openAsNew,
                        QWidget* parent);

    const std::vector<HistoryEntry>& entries() const { return m_entries; }

    // For tests: the controls by their role.
    QTreeWidget* uploadList() const { return m_list; }
    QPushButton* commandFileButton() const { return m_viewCommand; }
    QPushButton* transcriptButton() const { return m_viewTranscript; }
    QPushButton* compareButton() const { return m_compare; }
    QPushButton* openButton() const { return m_open; }
    QPushButton* closeButton() const { return m_close; }

  private:
    void fillList();
    QLayout* buildButtons();
    const HistoryEntry* selected() const;
    void onSelectionChanged();
    void view(const QString& caption, const std::string& path, const char* missing);
    void onCompare();
    void onOpenAsNew();

    const ConfigDocument& m_doc;
    Prompter& m_prompter;
    OpenAsNew m_openAsNew;
    std::vector<HistoryEntry> m_entries;

    QTreeWidget* m_list = nullptr;
    QLabel* m_reason = nullptr;
    QPushButton* m_viewCommand = nullptr;
    QPushButton* m_viewTranscript = nullptr;
    QPushButton* m_compare = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace merix
