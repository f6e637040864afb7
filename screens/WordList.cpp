#include "screens/WordList.h"

#include "screens/MacroRules.h"

namespace merix {

namespace {
// The word list is read with lines of up to 199 characters.
constexpr std::size_t kWordListLineCapacity = 199;
} // namespace

WordList readWordList(const std::string& path) {
    WordList result;
    std::optional<LookupList> words = readLookupList(path, kWordListLineCapacity);
    if (!words) {
        result.notice =
            "Unable to read wordlist.cfg in the catalog folder; the word list is empty.";
        return result;
    }
    result.words = std::move(*words);
    for (LookupEntry& word : result.words)
        word.code = word.code.substr(0, kWordNumberLength);
    return result;
}

} // namespace merix
