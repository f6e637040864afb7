#pragma once

#include <cstddef>

namespace merix::fuzz {

// The catalogs fuzz_catalog reads, in the order of its selector byte.
inline constexpr const char* kCatalogKinds[] = {
    "timers.cfg", "messages.cfg", "dvr.cfg",  "users.cfg",    "io.cfg",
    "commands.cfg", "macros.cfg", "schedule.cfg", "beep.cfg", "tones.cfg",
    "misc.cfg",   "userdflt.cfg", "resolutn.cfg", "dfltbeep.cfg",
};
inline constexpr std::size_t kCatalogKindCount = sizeof(kCatalogKinds) / sizeof(kCatalogKinds[0]);

} // namespace merix::fuzz
