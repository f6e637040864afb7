#pragma once

#include "document/Records.h"

#include <string>
#include <vector>

namespace merix {

// A named conversion of an analog input from resolutn.cfg: the range and decimals it sets.
struct Resolution {
    std::string name; // at most 99 characters
    i16 low = 0;
    i16 high = 0;
    int decimals = 0; // 0..3, the choices the screen offers
};

struct ResolutionCatalog {
    std::vector<Resolution> resolutions; // in file order
    std::string notice; // empty, or the status-bar line when the file is missing or short
};

ResolutionCatalog readResolutionCatalog(const std::string& path);

} // namespace merix
