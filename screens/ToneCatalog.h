#pragma once

#include <string>

namespace merix {

// The Tones screen's description: the text after the last tone value of tones.cfg's second
// line, read again each time the screen opens.
struct ToneCatalog {
    std::string description;
    std::string notice; // empty, or why the description is empty
};

ToneCatalog readToneCatalog(const std::string& path);

} // namespace merix
