#pragma once

#include "app/CatalogFolderChoice.h"

namespace merix {

// The catalog folder questions as a message box and the desktop's folder dialog.
class QtCatalogFolderQuestions final : public CatalogFolderQuestions {
  public:
    Answer offer(const QString& text, bool canCopySamples) override;
    std::optional<QString> chooseFolder(const QString& startIn) override;
    void inform(const QString& text) override;
};

} // namespace merix
