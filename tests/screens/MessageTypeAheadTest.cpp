#include "screens/MessageTypeAhead.h"
#include "screens/MessageFieldRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace merix {
namespace {

constexpr auto npos = std::optional<std::size_t>();

const VocabularyLines& words() {
    // HELPFUL before HELP: an exact match wins over an earlier beginning.
    static const VocabularyLines lines(
        {"HELLO", "HELPFUL", "HELP", "WORLD", "WORK", "TIME", "OUT"});
    return lines;
}

const VocabularyLines& cw() {
    static const VocabularyLines lines({"A", "D", "E", "S", "P", "X", "_", " SPACE", " PAUSE",
                                        " AR", " INTERNAL_DVR_1", " INTERNAL_DVR_2"});
    return lines;
}

const VocabularyLines& tracks() {
    static const VocabularyLines lines({"TRACK01 - Welcome", "TRACK02 - Net reminder", "TRACK03"});
    return lines;
}

TEST(MessageTypeAhead, TheChangeIsFoundAgainstThePreviousText) {
    struct Case {
        const char* text;
        const char* previous;
        std::optional<std::size_t> position;
        std::optional<std::size_t> wordStart;
        bool atEnd;
    };
    const Case cases[] = {
        {"HEL", "HE", 2, npos, true},
        {"HELLO W", "HELLO ", 6, 5, true},
        {"HELLO ", "HELLO", 5, 5, true},        // a blank at the end starts the next word
        {"HEL", "HELL", 2, npos, true},         // deleting at the end
        {"HELO", "HELLO", 3, npos, true},       // the first difference is the last character
        {"HXELLO", "HELLO", 1, npos, false},    // in the middle
        {"AB CXD EF", "AB CD EF", 4, 2, false}, // the blank before the change, not the last
        {"ABC", "", 0, npos, false},            // pasted whole: the change starts at 0
        {"", "A", npos, npos, true},            // emptied: nothing recorded
    };
    for (const Case& c : cases) {
        const TextChange change = findChange(c.text, c.previous);
        EXPECT_EQ(change.position, c.position) << c.text << " from " << c.previous;
        EXPECT_EQ(change.wordStart, c.wordStart) << c.text << " from " << c.previous;
        EXPECT_EQ(change.atEnd, c.atEnd) << c.text << " from " << c.previous;
    }
}

struct TypeAheadCase {
    const char* text;
    const char* previous;
    std::optional<std::size_t> selected;
    bool refused;
};

void expectTypeAhead(const TypeAheadCase& c, Vocabulary vocabulary, const VocabularyLines& lines) {
    const TypeAhead result = typeAhead(c.text, c.previous, vocabulary, lines);
    EXPECT_EQ(result.selected, c.selected) << '"' << c.text << "\" from \"" << c.previous << '"';
    EXPECT_EQ(result.refused, c.refused) << '"' << c.text << "\" from \"" << c.previous << '"';
}

TEST(MessageTypeAhead, WordsFollowTheCurrentWordAndRefuseWhatBeginsNoWord) {
    const TypeAheadCase cases[] = {
        {"HEL", "HE", 0, false},
        {"HELP", "HEL", 2, false}, // exact before the earlier HELPFUL
        {"HELPF", "HELP", 1, false},
        {"hel", "he", 0, false}, // without regard to case
        {"HELX", "HEL", npos, true},
        {"HELLO ", "HELLO", 0, false}, // the empty word begins every entry
        {"HELLO  ", "HELLO ", 0, false},
        {"HELLO T", "HELLO ", 5, false},
        {"HELLO X", "HELLO ", npos, true},
        {"HELLO WXORLD", "HELLO WORLD", npos, true}, // in the middle of a word
        {"HELLO WORLD", "HELLO WXORLD", 3, false},
        {"HEX", "HEXX", npos, false}, // deleting is never refused
        {"XXHELLO", "HELLO", npos, true},
        {"X YZ", "XYZ", npos, false}, // a blank is accepted between words
        {"", "HELLO", 0, false},      // emptied: the first entry
    };
    for (const TypeAheadCase& c : cases)
        expectTypeAhead(c, Vocabulary::Words, words());
}

TEST(MessageTypeAhead, DvrTracksCompareWithTheWholeListLine) {
    const TypeAheadCase cases[] = {
        {"TRACK03", "TRACK0", 2, false},     {"track01", "track0", 0, false},
        {"TRACK02 T", "TRACK02 ", 0, false}, {"TRACK04", "TRACK0", npos, true},
        {"TRACK01 ", "TRACK01", 0, false},
    };
    for (const TypeAheadCase& c : cases)
        expectTypeAhead(c, Vocabulary::Dvr, tracks());
}

TEST(MessageTypeAhead, CwFollowsTheChangedCharacterAndSpellsOutNamedSymbols) {
    const TypeAheadCase cases[] = {
        {"D", "", 1, false},
        {"d", "", 1, false},
        {"DE ", "DE", 7, false},   // a blank begins the named symbols
        {"DE S", "DE ", 7, false}, // " S" of " SPACE", not the letter S
        {"DE SPAC", "DE SPA", 7, false},
        {"DE A", "DE ", 9, false}, // " AR"
        {"DE I", "DE ", 10, false},
        {"DE INTERNAL_", "DE INTERNAL", 10, false},
        {"DE s", "DE ", 3, false},   // lower case after a blank is the letter
        {"DE SX", "DE S", 5, false}, // no longer a symbol's name: the letter X
        {"DE SQ", "DE S", npos, true},
        {"DE INTERNAL_DVR_3", "DE INTERNAL_DVR_", npos, true}, // a digit stands for itself
        {"ADE", "DE", 0, false},                               // in the middle
        {"_", "", 6, false},
        {"Q", "", npos, true},
        {"D", "DE", 1, false}, // deleting
        {"", "DE", npos, false},
    };
    for (const TypeAheadCase& c : cases)
        expectTypeAhead(c, Vocabulary::Cw, cw());
}

TEST(MessageTypeAhead, ABlankInACwTextNeedsAnEntryThatBeginsWithOne) {
    const VocabularyLines lettersOnly({"A", "B"});
    expectTypeAhead({"A ", "A", npos, true}, Vocabulary::Cw, lettersOnly);
    expectTypeAhead({"A", "", npos, true}, Vocabulary::Words, VocabularyLines());
}

TEST(MessageCompletion, ReplacesTheWordBeingTypedOrAppends) {
    using Kind = Completion::Kind;
    struct Case {
        const char* name;
        const char* text;
        TextChange change;
        const char* entry;
        Vocabulary vocabulary;
        Kind kind;
        const char* result;
        std::size_t caret;
    };
    const TextChange none;
    const Case cases[] = {
        {"completes",
         "HEL",
         {2, npos, true},
         "HELLO",
         Vocabulary::Words,
         Kind::Replaced,
         "HELLO",
         5},
        {"another word appends",
         "HEL",
         {2, npos, true},
         "WORLD",
         Vocabulary::Words,
         Kind::Appended,
         "HEL WORLD",
         0},
        {"nothing typed since shown", "HELLO", none, "WORLD", Vocabulary::Words, Kind::Appended,
         "HELLO WORLD", 0},
        {"into an empty field", "", none, "HELLO", Vocabulary::Words, Kind::Appended, "HELLO", 0},
        {"the word is the entry",
         "hello",
         {4, npos, true},
         "HELLO",
         Vocabulary::Words,
         Kind::Unchanged,
         "hello",
         0},
        {"in the middle",
         "HELLO WOR TIME",
         {8, 5, false},
         "WORLD",
         Vocabulary::Words,
         Kind::Replaced,
         "HELLO WORLD TIME",
         11},
        {"after a blank",
         "HELLO ",
         {5, 5, true},
         "WORLD",
         Vocabulary::Words,
         Kind::Replaced,
         "HELLO WORLD",
         11},
        {"a track name",
         "TRACK0",
         {5, npos, true},
         "TRACK02",
         Vocabulary::Dvr,
         Kind::Replaced,
         "TRACK02",
         7},
        {"S after a blank becomes the symbol",
         "AB S",
         {3, 2, true},
         " SPACE",
         Vocabulary::Cw,
         Kind::Replaced,
         "AB  SPACE",
         9},
        {"CW characters follow each other",
         "AB",
         {1, npos, true},
         "D",
         Vocabulary::Cw,
         Kind::Appended,
         "ABD",
         0},
        {"A begins AR", "A", {0, npos, true}, " AR", Vocabulary::Cw, Kind::Replaced, " AR", 3},
        {"the first symbol that fits wins",
         "INT",
         {2, npos, true},
         " INTERNAL_DVR_2",
         Vocabulary::Cw,
         Kind::Replaced,
         " INTERNAL_DVR_1",
         15},
        {"no symbol fits",
         "AB",
         {1, npos, true},
         " SPACE",
         Vocabulary::Cw,
         Kind::Appended,
         "AB SPACE",
         0},
    };
    for (const Case& c : cases) {
        const Completion done =
            completeWith(c.text, c.change, c.entry, c.vocabulary, kMessageTextCapacity);
        EXPECT_EQ(done.kind, c.kind) << c.name;
        EXPECT_EQ(done.text, c.result) << c.name;
        if (c.kind == Kind::Replaced) {
            EXPECT_EQ(done.caret, c.caret) << c.name;
        }
    }
}

TEST(MessageCompletion, ATextNeverGrowsPastItsCapacityInCharacters) {
    // The capacity counts characters, not bytes: a text of two-byte letters fills it as well.
    for (const std::string letter : {"W", "\xC3\x9C"}) {
        std::string full;
        for (std::size_t i = 0; i + 3 < kMessageTextCapacity; ++i)
            full += letter;
        const Completion appended =
            completeWith(full, TextChange{}, "HELLO", Vocabulary::Words, kMessageTextCapacity);
        EXPECT_EQ(appended.kind, Completion::Kind::Unchanged) << letter;
        EXPECT_EQ(appended.text, full) << letter;
        const Completion fits =
            completeWith(full, TextChange{}, letter, Vocabulary::Words, kMessageTextCapacity);
        EXPECT_EQ(fits.kind, Completion::Kind::Appended) << letter;
        EXPECT_EQ(fits.text, full + " " + letter) << letter;
    }
}

} // namespace
} // namespace merix
