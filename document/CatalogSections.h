#pragma once

#include "document/Records.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

class CatalogEntryReader;
class ConfigDocument;
class LineReader;

// Builders of each section from its catalog's entry lines; every table gets exactly one
// entry per line, with the defaults a fresh configuration starts from.
void buildTimers(ConfigDocument& doc, CatalogEntryReader& lines);
void buildMessages(ConfigDocument& doc, CatalogEntryReader& lines);
void buildDvrTracks(ConfigDocument& doc, CatalogEntryReader& lines);
void buildUsers(ConfigDocument& doc, CatalogEntryReader& lines);
void buildIoPoints(ConfigDocument& doc, CatalogEntryReader& lines);
void buildCommands(ConfigDocument& doc, CatalogEntryReader& lines);
void buildMacros(ConfigDocument& doc, CatalogEntryReader& lines);
void buildEvents(ConfigDocument& doc, CatalogEntryReader& lines);
void buildBeeps(ConfigDocument& doc, CatalogEntryReader& lines);

// tones.cfg line 2: the whole record on one line.
void fillTonesFromCatalog(ToneSettings& tones, std::string_view line);

// misc.cfg after its title: the count and up to eight blocks of 16 lines. Ports past the
// count keep their values but lose their descriptions.
void readMiscCatalog(std::array<PortSetup, kPortCount>& ports, LineReader& reader);

// userdflt.cfg after its title: nine lines by position, each value ending at ';'.
UserDefaults readUserDefaults(LineReader& reader);

} // namespace merix
