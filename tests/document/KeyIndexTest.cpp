#include "document/KeyIndex.h"
#include "document/Records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace merix;

namespace {

// The store's own rule: exact, case-sensitive, the first entry in table order wins.
const TimerEntry* firstWithKey(const std::vector<TimerEntry>& table, std::string_view key) {
    for (const TimerEntry& e : table)
        if (e.key == key)
            return &e;
    return nullptr;
}

std::vector<TimerEntry> table(const std::vector<std::string>& keys) {
    std::vector<TimerEntry> entries(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        entries[i].key = keys[i];
    return entries;
}

} // namespace

// Tables in order, out of order and with repeated keys, asked in order, backwards, twice
// and for keys that are not there.
TEST(KeyIndex, FindsTheFirstEntryOfAKeyWhateverTheOrderOfQuestions) {
    const std::vector<std::vector<std::string>> tables = {
        {"A", "B", "C", "D"},    {"D", "B", "A", "C"}, {"A", "B", "B", "C", "B"},
        {"B", "A", "B", "", ""}, {"x", "X", "x "},     {},
    };
    const std::vector<std::vector<std::string>> questions = {
        {"A", "B", "C", "D"},
        {"D", "C", "B", "A"},
        {"B", "B", "C", "B", "A"},
        {"", "E", "a", "x", "X", "x ", "x"},
    };
    for (const auto& keys : tables) {
        std::vector<TimerEntry> entries = table(keys);
        for (const auto& asked : questions) {
            KeyIndex<TimerEntry> index(entries, &TimerEntry::key);
            for (const std::string& key : asked)
                EXPECT_EQ(index.find(key), firstWithKey(entries, key))
                    << "key \"" << key << "\" in a table of " << keys.size();
        }
    }
}
