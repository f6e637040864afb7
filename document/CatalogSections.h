#pragma once

#include "document/Records.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

class ConfigDocument;
class LineReader;

// Builders of each section from its catalog lines; every table gets exactly one entry
// per line, with the defaults a fresh configuration starts from.
void buildTimers(ConfigDocument& doc, const std::vector<std::string>& lines);
void buildMessages(ConfigDocument& doc, const std::vector<std::string>& lines);
void buildDvrTracks(ConfigDocument& doc, const std::vector<std::string>& lines);
void buildUsers(ConfigDocument& doc, const std::vector<std::string>& lines);
void buildIoPoints(ConfigDocument& doc, const std::vector<std::string>& lines);
void buildCommands(ConfigDocument& doc, const std::vector<std::string>& lines);
void buildMacros(ConfigDocument& doc, const std::vector<std::string>& lines);
void buildEvents(ConfigDocument& doc, const std::vector<std::string>& lines);
void buildBeeps(ConfigDocument& doc, const std::vector<std::string>& lines);

// tones.cfg line 2: the whole record on one line.
void fillTonesFromCatalog(ToneSettings& tones, std::string_view line);

// misc.cfg after its title: the count and up to eight blocks of 16 lines. Ports past the
// count keep their values but lose their descriptions.
void readMiscCatalog(std::array<PortSetup, kPortCount>& ports, LineReader& reader);

// userdflt.cfg after its title: nine lines by position, each value ending at ';'.
UserDefaults readUserDefaults(LineReader& reader);

} // namespace merix
