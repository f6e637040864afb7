#include "app/Navigation.h"

#include <sys/stat.h>

namespace merix {

namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

} // namespace

std::optional<std::string> refusalToOpen(ScreenId screen, const ConfigDocument& doc) {
    if (screen == ScreenId::Messages) {
        static const struct {
            const char* file;
            const char* message;
        } needed[] = {
            {"cw.cfg", "Error! CW.CFG file does not exist."},
            {"wordlist.cfg", "Error! WORDLIST.CFG file does not exist."},
            {"dvr.cfg", "Error! DVR.CFG file does not exist."},
        };
        for (const auto& n : needed) {
            if (!exists(doc.catalogPath(n.file)))
                return std::string(n.message);
        }
    }
    if (!doc.isDocumentOpen())
        return std::string("Open or create a new file before entering.");
    return std::nullopt;
}

std::optional<std::string> refusalToUpload(const ConfigDocument& doc) {
    if (!doc.isDocumentOpen())
        return std::string("Open or create a new file before uploading a command file.");
    return std::nullopt;
}

std::string screenName(ScreenId screen) {
    switch (screen) {
    case ScreenId::Timers:
        return "Timers";
    case ScreenId::Messages:
        return "Messages";
    case ScreenId::Users:
        return "Users";
    case ScreenId::InputsOutputs:
        return "Analog Inputs";
    case ScreenId::Commands:
        return "Commands";
    case ScreenId::Macros:
        return "Macros";
    case ScreenId::Scheduler:
        return "Scheduler";
    case ScreenId::CourtesyBeeps:
        return "Courtesy Beeps";
    case ScreenId::Tones:
        return "Tones";
    case ScreenId::MiscSetup:
        return "Misc Setup";
    }
    return "this";
}

} // namespace merix
