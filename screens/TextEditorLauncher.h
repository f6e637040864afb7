#pragma once

#include <string>
#include <string_view>

namespace merix {

class Prompter;

// Starts a text editor on a file and returns at once; false when none could be started.
class TextEditorLauncher {
  public:
    virtual ~TextEditorLauncher() = default;
    virtual bool open(const std::string& path) = 0;
};

// The desktop's own choice for the file (xdg-open and the like), started detached.
class DesktopTextEditor final : public TextEditorLauncher {
  public:
    bool open(const std::string& path) override;
};

// The Edit buttons of the upload screens: a missing file is made from its template first.
// Failures are told through the prompter.
void editCommandFile(const std::string& path, std::string_view templateText, Prompter& prompter,
                     TextEditorLauncher& editor);

} // namespace merix
