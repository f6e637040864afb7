#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace merix {

// What a command file holds: the changes against one of the document's copies, or
// everything. The numbers are the ones the settings file stores.
enum class UploadOption : int {
    ChangesSinceLastUpload = 0,     // against the reference copy (.REF)
    ChangesSinceInitialization = 1, // against the initialization copy (.INI)
    Everything = 2,                 // and any other number a settings file may hold
};

// "last", "init" or "all", the words of merix-cli; nothing for any other word.
std::optional<UploadOption> uploadOptionNamed(std::string_view word);
// The word for an option; "all" for any number outside the three.
std::string uploadOptionWord(UploadOption option);

} // namespace merix
