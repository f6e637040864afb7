#pragma once

#include <optional>
#include <string>

namespace merix {

// The file dialogs of the document lifecycle. nullopt when the user cancels.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // A document to open, starting in the startup directory.
    virtual std::optional<std::string> chooseFileToOpen() = 0;
    // A name to save under; the dialog asks before overwriting an existing file.
    virtual std::optional<std::string> chooseFileToSaveAs(const std::string& suggestedName) = 0;
};

} // namespace merix
