#include "SampleCatalogs.h"

#include "document/CatalogFields.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace merix;
using merix::test::allDigits;
using merix::test::SampleDocument;
using merix::test::sampleCatalog;
using merix::test::upper;
using merix::test::upperNames;

namespace {

// The generator and the Messages screen read the lookup lists with these line capacities.
constexpr std::size_t kGeneratorLine = 199;

LookupList lookup(const char* file)
{
    std::optional<LookupList> list = readLookupList(sampleCatalog(file), kGeneratorLine);
    EXPECT_TRUE(list.has_value()) << file;
    return list.value_or(LookupList{});
}

std::vector<std::string> splitAtBlanks(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

constexpr std::array<const char*, 6> kNamedSymbols{
    " SPACE", " PAUSE", " AR", " INTERNAL_DVR_1", " INTERNAL_DVR_2", " INTERNAL_DVR_3"};

// The CW characters of a text that the CW list does not hold, scanned as the generator does.
std::string unknownCw(const std::string& text, const std::set<std::string>& cw)
{
    std::string unknown;
    for (std::size_t i = 0; i < text.size();) {
        bool named = false;
        for (const char* symbol : kNamedSymbols) {
            if (text.compare(i, std::string_view(symbol).size(), symbol) == 0) {
                EXPECT_EQ(cw.count(symbol), 1u) << symbol;
                i += std::string_view(symbol).size();
                named = true;
                break;
            }
        }
        if (named)
            continue;
        if (text[i] != ' ' && cw.count(upper(text.substr(i, 1))) == 0)
            unknown += text[i];
        ++i;
    }
    return unknown;
}

class SampleVocabulary : public ::testing::Test {
protected:
    SampleDocument sample;
};

} // namespace

TEST_F(SampleVocabulary, WordListHoldsEveryLetterAndDigitWithShortUniqueCodes)
{
    const LookupList words = lookup("wordlist.cfg");
    EXPECT_GE(words.size(), 300u);
    const std::set<std::string> names = upperNames(words);
    EXPECT_EQ(names.size(), words.size()) << "a word is listed twice";

    // Call signs are spoken character by character.
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"))
        EXPECT_EQ(names.count(std::string(1, c)), 1u) << c;

    std::set<std::string> codes;
    for (const LookupEntry& w : words) {
        EXPECT_EQ(w.name.find(' '), std::string::npos) << w.name;
        EXPECT_LE(w.code.size(), 7u) << w.name;
        EXPECT_TRUE(allDigits(w.code)) << w.name << " " << w.code;
        codes.insert(w.code);
    }
    EXPECT_EQ(codes.size(), words.size()) << "two words share a code";
}

TEST_F(SampleVocabulary, CwListHoldsLettersDigitsAndTheNamedSymbols)
{
    const LookupList cw = lookup("cw.cfg");
    const std::set<std::string> names = upperNames(cw);
    EXPECT_EQ(names.size(), cw.size());
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789./?"))
        EXPECT_EQ(names.count(std::string(1, c)), 1u) << c;
    for (const char* symbol : kNamedSymbols)
        EXPECT_EQ(names.count(symbol), 1u) << "missing '" << symbol << "'";

    std::set<std::string> codes;
    for (const LookupEntry& e : cw) {
        EXPECT_TRUE(e.name.size() == 1 || e.name.front() == ' ') << e.name;
        // A message text holding one of these could not be kept in the document.
        EXPECT_EQ(e.name.find_first_of(":;,="), std::string::npos) << e.name;
        EXPECT_LE(e.code.size(), 4u) << e.name;
        EXPECT_FALSE(e.code.empty()) << e.name;
        codes.insert(e.code);
    }
    EXPECT_EQ(codes.size(), cw.size()) << "two CW symbols share a code";
}

TEST_F(SampleVocabulary, EveryMessageTextUsesOnlyItsVocabulary)
{
    ASSERT_TRUE(sample.loaded);
    const std::set<std::string> words = upperNames(lookup("wordlist.cfg"));
    const std::set<std::string> cw = upperNames(lookup("cw.cfg"));
    std::set<std::string> tracks;
    for (const DvrTrack& t : sample.doc.dvrTracks)
        tracks.insert(upper(t.trackName.view()));

    for (const MessageEntry& m : sample.doc.messages) {
        const std::string type = upper(m.messageType.view());
        if (type == "CW") {
            EXPECT_EQ(unknownCw(m.text, cw), "") << m.key.str();
            continue;
        }
        const std::set<std::string>& vocabulary = (type == "VOICE" || type == "POLITEVOICE") ? words : tracks;
        const std::vector<std::string> parts = splitAtBlanks(m.text);
        EXPECT_FALSE(parts.empty()) << m.key.str();
        for (const std::string& w : parts)
            EXPECT_EQ(vocabulary.count(upper(w)), 1u) << m.key.str() << ": " << w;
    }
}

TEST_F(SampleVocabulary, AccessModesOfThePortsAreInTheAccessList)
{
    const LookupList access = lookup("access.cfg");
    ASSERT_FALSE(access.empty());
    std::set<std::string> modes;
    for (const LookupEntry& e : access) {
        EXPECT_TRUE(allDigits(e.code)) << e.name;
        EXPECT_LE(e.name.size(), 24u) << e.name; // what a port's AccessMode holds
        modes.insert(e.name);
    }
    EXPECT_EQ(modes.size(), access.size());
    // The generator looks the name up exactly, letter case included.
    for (const PortSetup& port : sample.doc.ports)
        EXPECT_EQ(modes.count(port.AccessMode.str()), 1u) << port.AccessMode.str();
}

TEST_F(SampleVocabulary, AnalogResolutionsComeFromTheResolutionList)
{
    const CatalogLines lines = readCatalogEntryLines(sampleCatalog("resolutn.cfg"), kScreenLineCapacity);
    ASSERT_TRUE(lines.opened);
    const FieldLayout layout{{false, false, false}, true}; // name,low,high,decimals
    std::set<std::string> names;
    for (const std::string& line : lines.lines) {
        const std::vector<std::string> f = cutFields(line, layout);
        const int low = readInt(f[1]);
        const int high = readInt(f[2]);
        const int decimals = readInt(f[3]);
        EXPECT_LT(low, high) << f[0];
        EXPECT_GE(decimals, 0) << f[0];
        EXPECT_LE(decimals, 3) << f[0];
        int scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        // The Analog Inputs screen refuses decimals that push a range end past 9999.
        EXPECT_LE(std::abs(low) * scale, 9999) << f[0];
        EXPECT_LE(std::abs(high) * scale, 9999) << f[0];
        EXPECT_TRUE(names.insert(f[0]).second) << "listed twice: " << f[0];
    }
    EXPECT_EQ(names.count("Other"), 1u);

    for (const IoPoint& p : sample.doc.ioPoints)
        EXPECT_EQ(names.count(p.resolution), 1u) << p.key.str() << ": " << p.resolution;
}
