#include "link/UploadPlan.h"

#include "link/UploadSettings.h"

namespace merix {

UploadPlan commandFilesPlan(const UploadSettings& settings, const std::string& commandFile,
                            const std::string& documentPath) {
    UploadPlan plan;
    if (settings.uploadBefore)
        plan.files.push_back(settings.beforeFile.str());
    plan.files.push_back(commandFile);
    if (settings.uploadAfter)
        plan.files.push_back(settings.afterFile.str());
    plan.commandFile = commandFile;
    plan.stripComments = settings.stripComments != 0;
    plan.option = settings.uploadOption;
    plan.documentPath = documentPath;
    return plan;
}

UploadPlan otherFilesPlan(std::vector<std::string> files, bool stripComments) {
    UploadPlan plan;
    plan.files = std::move(files);
    plan.stripComments = stripComments;
    plan.option = UploadOption::Everything;
    return plan;
}

const char* uploadResultWord(UploadResult result) {
    switch (result) {
    case UploadResult::Completed:
        return "completed";
    case UploadResult::Stopped:
        return "stopped";
    case UploadResult::Failed:
        break;
    }
    return "failed";
}

} // namespace merix
