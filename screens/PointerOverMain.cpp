#include "screens/PointerOverMain.h"

namespace merix {

namespace {
bool g_pointerOverMain = false;
}

bool pointerOverMain() {
    return g_pointerOverMain;
}
void setPointerOverMain(bool over) {
    g_pointerOverMain = over;
}

} // namespace merix
