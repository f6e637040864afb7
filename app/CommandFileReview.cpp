#include "app/CommandFileReview.h"

#include "document/ConfigDocument.h"
#include "document/Prompter.h"
#include "link/UploadSettings.h"
#include "screens/ReviewWindow.h"

namespace merix {

void runCommandFileReview(const ConfigDocument& doc, Prompter& prompter, BusyIndicator* busy,
                          QWidget* parent) {
    if (!doc.isDocumentOpen()) {
        prompter.inform("Open or create a new file before reviewing the command file.");
        return;
    }
    ReviewContent content;
    {
        BusyGuard guard(busy);
        UploadSettings settings;
        loadUploadSettings(settings, doc.documentPath(), doc.startupDirectory());
        content = reviewOfUpload(doc, settings);
    }
    ReviewWindow window(std::move(content), prompter, parent);
    window.exec();
}

} // namespace merix
