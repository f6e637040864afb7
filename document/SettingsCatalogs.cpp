#include "document/CatalogFields.h"
#include "document/CatalogSections.h"
#include "document/LineReader.h"
#include "document/SectionKeys.h"

#include <algorithm>
#include <type_traits>

namespace merix {

namespace {

// The value of a "name=value" line: all after the first '='; empty without one.
std::string_view valueAfterEquals(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
}

// Stores a text or an integer field from its text.
template <typename Field> void setField(Field& field, std::string_view text) {
    if constexpr (std::is_same_v<Field, int>)
        field = readInt(text);
    else
        field = text;
}

} // namespace

void fillTonesFromCatalog(ToneSettings& t, std::string_view line) {
    using T = ToneFields;
    std::vector<std::string_view> f;
    cutFieldViews(line, tonesLayout(), f);
    auto num = [&f](std::size_t i) { return readInt(f[i]); };
    t.title = f[T::Title];
    for (std::size_t p = 0; p < kPortCount; ++p) {
        t.cwSpeed[p] = num(T::cw(p, T::CwSpeed));
        t.cwFreq1[p] = num(T::cw(p, T::CwFreq1));
        t.cwFreq2[p] = num(T::cw(p, T::CwFreq2));
    }
    t.coverToneMacro = num(T::coverTone(T::Number));
    t.coverToneDuration = num(T::coverTone(T::Duration));
    t.coverToneFreq1 = num(T::coverTone(T::Freq1));
    t.coverToneFreq2 = num(T::coverTone(T::Freq2));
    t.coverToneDelay = num(T::coverTone(T::Delay));
    t.reversePatchRingNumber = num(T::reverseRing(T::Number));
    t.reversePatchRingDuration = num(T::reverseRing(T::Duration));
    t.reversePatchRingFreq1 = num(T::reverseRing(T::Freq1));
    t.reversePatchRingFreq2 = num(T::reverseRing(T::Freq2));
    t.reversePatchRingDelay = num(T::reverseRing(T::Delay));
    for (std::size_t p = 0; p < kPortCount; ++p) {
        t.dtmfToneLength[p] = num(T::dtmf(p, T::First));
        t.dtmfToneDelay[p] = num(T::dtmf(p, T::Second));
        t.preaccessFreq1[p] = num(T::preaccess(p, T::First));
        t.preaccessFreq2[p] = num(T::preaccess(p, T::Second));
    }
}

void readMiscCatalog(std::array<PortSetup, kPortCount>& ports, LineReader& reader) {
    for (PortSetup& port : ports)
        port.portDescription.clear();
    const int count = std::clamp(reader.readCount(), 0, kPortCount);
    for (int k = 0; k < count; ++k) {
        PortSetup& port = ports[static_cast<std::size_t>(k)];
        auto next = [&reader] {
            return reader.nextLine(kCatalogLineCapacity).value_or(std::string_view());
        };
        forEachPortValue(
            port, [&](const char*, auto& field) { setField(field, valueAfterEquals(next())); });
        port.portDescription = valueAfterEquals(next());
    }
}

UserDefaults readUserDefaults(LineReader& reader) {
    UserDefaults d;
    auto next = [&reader] {
        const auto line = reader.nextLine(kUserDefaultsLineCapacity).value_or(std::string_view());
        return line.substr(0, line.find(';'));
    };
    d.passwordMode = readInt(next());
    d.clearanceLevel = readInt(next());
    d.challengeDigits = readInt(next());
    d.autopatchDownCode = next();
    d.sendPredialDigits = readInt(next());
    d.autodialReadbackType = next();
    d.normalReadbackType = next();
    d.patchPrivacyType = next();
    d.patchTimeOutTimer = readInt(next());
    return d;
}

} // namespace merix
