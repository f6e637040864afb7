#pragma once

#include "link/PortMap.h"

namespace merix {

// The devices of "COM1".."COM4" in the program's profile settings; a port without an entry
// keeps its default.
PortMap loadPortMap();
void savePortMap(const PortMap& ports);

} // namespace merix
