#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

class CatalogLabels;
class ConfigDocument;

// The document's sections in file order.
enum class Section {
    Timers,
    Messages,
    DvrTracks,
    Users,
    InputsOutputs,
    Commands,
    Macros,
    Scheduler,
    CourtesyBeeps,
    Tones,
    MiscSetup,
};
inline constexpr std::array kSections = {
    Section::Timers,        Section::Messages, Section::DvrTracks, Section::Users,
    Section::InputsOutputs, Section::Commands, Section::Macros,    Section::Scheduler,
    Section::CourtesyBeeps, Section::Tones,    Section::MiscSetup};

std::string_view sectionName(Section s);

// Where a field is shown: the comparison wants every stored value, the report the same
// values put together as a reader takes them in.
enum class FieldUse { Both, Compare, Report };

struct FieldText {
    std::string name;
    std::string value;
    FieldUse use = FieldUse::Both;
    bool secret = false; // a password: shown only when asked for
};

struct EntryFields {
    std::string label;
    std::vector<FieldText> fields;
};

// How many entries a section has (the tones: eight ports, the cover tone, the ring).
std::size_t entryCount(const ConfigDocument& doc, Section s);

// Entry i of a section, labelled from the catalogs, every value in words. The fields
// come in a fixed order; only a macro's lines vary in number, and they come last.
EntryFields describeEntry(const ConfigDocument& doc, Section s, std::size_t i,
                          const CatalogLabels& labels);

} // namespace merix
