#pragma once

#include "document/LookupList.h"

#include <string>

namespace merix {

// The controller's voice words with their numbers, as the Macros screen offers them for
// appending to a macro line's parameters.
struct WordList {
    LookupList words;   // in file order; each number cut to seven characters
    std::string notice; // empty, or the status-bar line when wordlist.cfg cannot be read
};

WordList readWordList(const std::string& path);

} // namespace merix
