#pragma once

#include "document/FixedText.h"
#include "document/UploadOption.h"

#include <string>

namespace merix {

// Room for a path as Linux allows it (PATH_MAX), so files in deep folders are not cut.
inline constexpr std::size_t kPathCapacity = 4096;

// How the controller is reached. The numbers are the ones the settings file stores; any
// other number a file may hold is kept, and is taken as neither.
enum class ConnectionType : int {
    Direct = 0,
    Modem = 1,
};

// How to reach the controller and what to send; kept beside each document in its .SER file.
struct UploadSettings {
    ConnectionType connectionType = ConnectionType::Direct;
    FixedText<40> phoneNumber;
    FixedText<40> baudRate = "9600";
    int comPort = 0; // 0..3 for COM1..COM4
    UploadOption uploadOption = UploadOption::ChangesSinceLastUpload;
    int stripComments = 1;
    FixedText<kPathCapacity> beforeFile;
    FixedText<kPathCapacity> afterFile;
    int uploadBefore = 1;
    int uploadAfter = 1;
};

// The startup directory joined with a file name, without doubling a trailing '/'.
std::string startupFilePath(const std::string& startupDirectory, const std::string& fileName);

// The defaults: direct, 9600, COM1, changes since last upload, comments stripped, and the
// before and after files of the startup directory, both sent.
UploadSettings defaultUploadSettings(const std::string& startupDirectory);

// Reads the settings file beside the document into settings. When the file cannot be read the
// settings take their defaults and false is returned.
bool loadUploadSettings(UploadSettings& settings, const std::string& documentPath,
                        const std::string& startupDirectory);

// The settings file text exactly as written: CR LF after every line but the last ("END").
std::string uploadSettingsText(const UploadSettings& settings);

// Rewrites the settings file beside the document. Returns an empty string on success,
// otherwise a message for the user.
std::string saveUploadSettings(const UploadSettings& settings, const std::string& documentPath);

// Creates BEFORE.CMD and AFTER.CMD in the startup directory from their templates, each only
// when it does not exist; a file that cannot be created is skipped.
void ensureSideFiles(const std::string& startupDirectory);

} // namespace merix
