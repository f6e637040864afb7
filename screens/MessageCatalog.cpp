#include "screens/MessageCatalog.h"

#include "document/ConfigDocument.h"
#include "document/LookupList.h"
#include "screens/CatalogRows.h"

namespace merix {

namespace {

// messages.cfg lines are the long ones: the description follows the whole message text.
constexpr std::size_t kMessagesLineCapacity = kCatalogLineCapacity;

void addNotice(std::string& notice, const std::string& line) {
    if (line.empty())
        return;
    if (!notice.empty())
        notice += "  ";
    notice += line;
}

// False when the file cannot be read; `names` then stays empty.
bool readNames(const ConfigDocument& doc, const std::string& fileName, const std::string& listName,
               std::vector<std::string>& names, std::string& notice) {
    const auto list = readLookupList(doc.catalogPath(fileName), kScreenLineCapacity);
    if (!list) {
        addNotice(notice, unreadableVocabularyNotice(fileName, listName));
        return false;
    }
    names.reserve(list->size());
    for (const LookupEntry& entry : *list)
        names.push_back(entry.name);
    return true;
}

} // namespace

std::string unreadableVocabularyNotice(const std::string& fileName, const std::string& listName) {
    return "Unable to read " + fileName + " in the catalog folder; the " + listName + " is empty.";
}

MessageCatalog readMessageCatalog(const ConfigDocument& doc) {
    using F = MessageFields;
    MessageCatalog result;
    result.wordsRead = readNames(doc, "wordlist.cfg", "word list", result.words, result.notice);
    result.cwRead = readNames(doc, "cw.cfg", "CW list", result.cwSymbols, result.notice);
    CatalogRows rows =
        readCatalogRows(doc.catalogPath("messages.cfg"), "messages.cfg", messagesLayout(),
                        doc.messages.size(), kMessagesLineCapacity);
    addNotice(result.notice, rows.notice);
    result.messages.reserve(rows.rows.size());
    for (std::vector<std::string>& f : rows.rows)
        result.messages.push_back(
            MessageInfo{std::move(f[F::Label]), std::move(f[F::Description])});
    return result;
}

} // namespace merix
