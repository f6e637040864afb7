#include "document/Utf8Text.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace merix {
namespace {

// U+00DC, U+20AC and U+1F600: two, three and four bytes, the last beyond the basic plane.
const std::string kU = "\xC3\x9C";
const std::string kEuro = "\xE2\x82\xAC";
const std::string kSmile = "\xF0\x9F\x98\x80";

TEST(Utf8Text, LengthsAndCutsCountAsATextFieldCounts) {
    struct Case {
        std::string text;
        std::size_t limit;
        std::string kept; // the beginning that fits `limit`
    };
    const Case cases[] = {
        {"", 3, ""},
        {"ABC", 5, "ABC"},
        {"ABC", 2, "AB"},
        {kU + kU + kU, 2, kU + kU},
        {kEuro + kEuro, 0, ""},
        {"A" + kSmile + "B", 2, "A"}, // the smile needs two, never one of them
        {"A" + kSmile + "B", 3, "A" + kSmile},
        {"A" + kU + kEuro + kSmile, 5, "A" + kU + kEuro + kSmile},
        {kU + "\x9C" + "B", 2, kU + "\x9C"}, // a stray byte is a character of its own
    };
    for (const Case& c : cases) {
        const std::size_t counted = static_cast<std::size_t>(QString::fromUtf8(c.text).size());
        EXPECT_EQ(fieldLength(c.text), counted) << c.text;
        EXPECT_EQ(firstFieldCharacters(c.text, c.limit), c.kept) << c.text << " / " << c.limit;
    }
}

TEST(Utf8Text, ByteCutsAndCharactersKeepWholeCharacters) {
    struct Case {
        std::string text;
        std::size_t at;
        std::size_t boundary;
        std::size_t length; // of the character at the boundary, when there is one
    };
    const Case cases[] = {
        {"12345" + kU, 6, 5, 2}, {"12345" + kU, 5, 5, 2}, {"12345" + kU, 9, 7, 0},
        {kSmile + "A", 3, 0, 4}, {"AB", 1, 1, 1},         {kEuro, 2, 0, 3},
        {"\x80\x80", 1, 0, 1}, // stray continuation bytes stand alone
    };
    for (const Case& c : cases) {
        EXPECT_EQ(characterBoundary(c.text, c.at), c.boundary) << c.text << " / " << c.at;
        if (c.boundary < c.text.size()) {
            EXPECT_EQ(utf8CharacterLength(c.text, c.boundary), c.length) << c.text << " / " << c.at;
        }
    }
}

} // namespace
} // namespace merix
