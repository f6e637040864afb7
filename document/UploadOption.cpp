#include "document/UploadOption.h"

namespace merix {

std::optional<UploadOption> uploadOptionNamed(std::string_view word) {
    if (word == "last")
        return UploadOption::ChangesSinceLastUpload;
    if (word == "init")
        return UploadOption::ChangesSinceInitialization;
    if (word == "all")
        return UploadOption::Everything;
    return std::nullopt;
}

std::string uploadOptionWord(UploadOption option) {
    switch (option) {
    case UploadOption::ChangesSinceLastUpload:
        return "last";
    case UploadOption::ChangesSinceInitialization:
        return "init";
    case UploadOption::Everything:
        break;
    }
    return "all";
}

} // namespace merix
