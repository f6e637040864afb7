#include "screens/SerialDeviceChoices.h"

#include "link/SerialDevices.h"

#include <algorithm>
#include <filesystem>

namespace merix {

namespace {

constexpr std::size_t kMaxStableNames = 64;

std::vector<SerialDeviceChoice> stableNames(const std::string& byIdDir) {
    namespace fs = std::filesystem;
    std::vector<SerialDeviceChoice> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(byIdDir, ec)) {
        const fs::path target = fs::canonical(entry.path(), ec);
        if (ec) {
            ec.clear();
            continue; // a dangling name of an adapter that has gone
        }
        found.push_back({entry.path().string(), target.string()});
        if (found.size() >= kMaxStableNames)
            break;
    }
    std::sort(
        found.begin(), found.end(),
        [](const SerialDeviceChoice& a, const SerialDeviceChoice& b) { return a.path < b.path; });
    return found;
}

} // namespace

std::vector<SerialDeviceChoice> serialDeviceChoices(const std::string& byIdDir,
                                                    const std::string& sysClassTty,
                                                    const std::string& devDir) {
    std::vector<SerialDeviceChoice> choices = stableNames(byIdDir);
    for (std::string& device : listSerialDevices(sysClassTty, devDir))
        choices.push_back({std::move(device), {}});
    return choices;
}

} // namespace merix
