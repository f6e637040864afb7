#pragma once

#include "link/PortMap.h"

namespace merix {

// The endpoints of "COM1".."COM4" (device paths or URLs) in the program's profile settings; a
// port without an entry keeps its default.
PortMap loadPortMap();
void savePortMap(const PortMap& ports);

} // namespace merix
