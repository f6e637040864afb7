#include "screens/MessageTypeAhead.h"

#include "generator/Formatting.h"
#include "document/Utf8Text.h"

#include <algorithm>

namespace merix {

namespace {

bool beginsWithIgnoringCase(std::string_view text, std::string_view beginning) {
    return text.size() >= beginning.size() &&
           equalsIgnoringCase(text.substr(0, beginning.size()), beginning);
}

// From just after the word start (or the beginning) up to the next blank or the end.
std::string_view currentWord(std::string_view text, const TextChange& change) {
    const std::size_t start = change.wordStart ? *change.wordStart + 1 : 0;
    if (start >= text.size())
        return {};
    const std::size_t end = std::min(text.find(' ', start), text.size());
    return text.substr(start, end - start);
}

bool insideNamedCwSymbol(std::string_view candidate) {
    return std::any_of(
        kNamedCwSymbols.begin(), kNamedCwSymbols.end(),
        [&](std::string_view symbol) { return symbol.find(candidate) != std::string_view::npos; });
}

// A capital or '_' after a blank may be spelling out a named symbol (" SP" of " SPACE");
// any other character stands for itself.
std::optional<std::size_t> cwSelection(std::string_view text, const TextChange& change,
                                       const VocabularyLines& lines) {
    const std::size_t at = change.atEnd ? text.size() - 1 : change.position.value_or(0);
    const char changed = text[at];
    if (((changed >= 'A' && changed <= 'Z') || changed == '_') && change.wordStart) {
        const std::size_t start = *change.wordStart;
        const std::size_t end = std::min(text.find(' ', start + 1), text.size());
        const std::string_view candidate = text.substr(start, end - start);
        if (insideNamedCwSymbol(candidate))
            return lines.findBeginning(candidate);
    }
    return lines.findBeginning(text.substr(at, 1));
}

Completion finished(Completion::Kind kind, std::string text, std::size_t caret,
                    std::string_view original, std::size_t capacity) {
    if (fieldLength(text) > capacity)
        return {Completion::Kind::Unchanged, std::string(original), 0};
    caret = std::min(caret, text.size());
    return {kind, std::move(text), caret};
}

} // namespace

TextChange findChange(std::string_view text, std::string_view previous) {
    TextChange change;
    if (text.empty()) {
        change.atEnd = true;
        return change;
    }
    const std::size_t last = text.size() - 1;
    for (std::size_t i = 0; i < last; ++i) {
        if (i >= previous.size() || text[i] != previous[i]) {
            change.position = i;
            if (i > 0)
                if (const std::size_t blank = text.rfind(' ', i - 1); blank != text.npos)
                    change.wordStart = blank;
            return change;
        }
    }
    change.atEnd = true;
    change.position = last;
    if (const std::size_t blank = text.rfind(' '); blank != text.npos)
        change.wordStart = blank;
    return change;
}

TypeAhead typeAhead(std::string_view text, std::string_view previous, Vocabulary vocabulary,
                    const VocabularyLines& lines) {
    TypeAhead result;
    result.change = findChange(text, previous);
    switch (vocabulary) {
    case Vocabulary::None:
        return result;
    case Vocabulary::Words:
    case Vocabulary::Dvr:
        result.selected = lines.findWord(currentWord(text, result.change));
        break;
    case Vocabulary::Cw:
        if (!text.empty())
            result.selected = cwSelection(text, result.change, lines);
        break;
    }
    if (result.selected || text.empty() || text.size() <= previous.size())
        return result;
    const std::size_t at = result.change.position.value_or(0);
    const bool blankBetweenWords = vocabulary != Vocabulary::Cw && text[at] == ' ';
    result.refused = !blankBetweenWords;
    return result;
}

Completion completeWith(std::string_view text, const TextChange& change, std::string_view entry,
                        Vocabulary vocabulary, std::size_t capacity) {
    using Kind = Completion::Kind;
    std::string replacement;
    std::size_t wordStart = 0;
    std::size_t wordEnd = 0;
    if (change.recorded()) {
        if (change.position != std::size_t{0} && change.wordStart)
            wordStart = *change.wordStart + 1;
        wordStart = std::min(wordStart, text.size());
        wordEnd = std::min(text.find(' ', wordStart), text.size());
        const std::string_view word = text.substr(wordStart, wordEnd - wordStart);
        if (equalsIgnoringCase(word, entry))
            return {Kind::Unchanged, std::string(text), 0};
        if (beginsWithIgnoringCase(entry, word))
            replacement = entry;
        else if (vocabulary == Vocabulary::Cw)
            for (std::string_view symbol : kNamedCwSymbols)
                if (beginsWithIgnoringCase(symbol.substr(1), word)) {
                    replacement = symbol;
                    break;
                }
    }
    if (!replacement.empty()) {
        std::string result(text.substr(0, wordStart));
        result += replacement;
        result += text.substr(wordEnd);
        const std::size_t wordLength = wordEnd - wordStart;
        const std::size_t caret = change.position.value_or(0) + replacement.size() + 1 - wordLength;
        return finished(Kind::Replaced, std::move(result), caret, text, capacity);
    }
    std::string result(text);
    if (vocabulary != Vocabulary::Cw && !result.empty())
        result += ' ';
    result += entry;
    const std::size_t end = result.size();
    return finished(Kind::Appended, std::move(result), end, text, capacity);
}

} // namespace merix
