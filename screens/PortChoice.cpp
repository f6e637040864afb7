#include "screens/PortChoice.h"

#include "document/Records.h"

#include <cctype>

namespace merix {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace

std::string portChoiceText(int port) {
    return "Port " + std::to_string(port);
}

int portFromChoiceText(std::string_view text) {
    for (int port = 1; port < kPortCount; ++port) {
        if (equalIgnoringCase(text, portChoiceText(port)))
            return port;
    }
    return kPortCount;
}

} // namespace merix
