#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace merix {

class ConfigDocument;

// What the Messages screen reads itself each time it opens: the names and descriptions of
// the messages (the document does not keep them) and the entry names of the word and CW
// lists. The codes are the generator's business.
struct MessageInfo {
    std::string name;
    std::string description;
};

struct MessageCatalog {
    std::vector<MessageInfo> messages;  // one per message of the document
    std::vector<std::string> words;     // wordlist.cfg, in file order
    std::vector<std::string> cwSymbols; // cw.cfg, in file order, named symbols with their blank
    // False when the file could not be read: its list is empty, not known to be empty.
    bool wordsRead = false;
    bool cwRead = false;
    // Empty, or one status-bar line naming every file that could not give what it should.
    std::string notice;
};

MessageCatalog readMessageCatalog(const ConfigDocument& doc);

// Said when wordlist.cfg or cw.cfg cannot be read: its list stays empty.
std::string unreadableVocabularyNotice(const std::string& fileName, const std::string& listName);

} // namespace merix
