#pragma once

namespace merix {

class ConfigDocument;
class DocumentInput;
struct DocumentFeatures;

// Each reads `count` entries of its section and updates the entries whose keys match.
// They stop early at the end of the file.
void readTimerSection(ConfigDocument& doc, DocumentInput& in, int count);
void readMessageSection(ConfigDocument& doc, DocumentInput& in, int count, const DocumentFeatures& f);
void readDvrSection(ConfigDocument& doc, DocumentInput& in, int count);
void readUserSection(ConfigDocument& doc, DocumentInput& in, int count, const DocumentFeatures& f);
void readIoSection(ConfigDocument& doc, DocumentInput& in, int count, const DocumentFeatures& f);
void readCommandSection(ConfigDocument& doc, DocumentInput& in, int count);
void readMacroSection(ConfigDocument& doc, DocumentInput& in, int count);
void readEventSection(ConfigDocument& doc, DocumentInput& in, int count);
void readBeepSection(ConfigDocument& doc, DocumentInput& in, int count, const DocumentFeatures& f);
void readToneSection(ConfigDocument& doc, DocumentInput& in, int count);
void readPortSection(ConfigDocument& doc, DocumentInput& in, int count);

} // namespace merix
