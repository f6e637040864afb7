#pragma once

#include "document/FileChooser.h"

#include <QPointer>
#include <QWidget>

namespace merix {

class ConfigDocument;

// Qt's file dialogs for Open and Save As, starting beside the current document or in the
// startup directory.
class QtFileChooser final : public FileChooser {
  public:
    // The document is made with its chooser, so it is given afterwards.
    void attach(const ConfigDocument& doc, QWidget* parent) {
        m_doc = &doc;
        m_parent = parent;
    }

    std::optional<std::string> chooseFileToOpen() override;
    std::optional<std::string> chooseFileToSaveAs(const std::string& suggestedName) override;

  private:
    QString startDirectory() const;

    const ConfigDocument* m_doc = nullptr;
    QPointer<QWidget> m_parent;
};

} // namespace merix
