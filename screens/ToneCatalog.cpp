#include "screens/ToneCatalog.h"

#include "document/CatalogFields.h"
#include "document/LineReader.h"
#include "screens/CatalogRows.h"

namespace merix {

ToneCatalog readToneCatalog(const std::string& path) {
    ToneCatalog result;
    LineReader reader(path);
    if (!reader.isOpen()) {
        result.notice = unreadableFileNotice("tones.cfg", "the description is shown empty");
        return result;
    }
    reader.readLine(kScreenLineCapacity); // title
    const std::string line = reader.readLine(kScreenLineCapacity).value_or(std::string());
    result.description = cutFields(line, tonesLayout())[ToneFields::Description];
    return result;
}

} // namespace merix
