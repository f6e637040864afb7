#include "screens/TextEditorLauncher.h"

#include "document/Prompter.h"
#include "link/SideFileTemplates.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace merix {

bool DesktopTextEditor::open(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void editCommandFile(const std::string& path, std::string_view templateText, Prompter& prompter,
                     TextEditorLauncher& editor) {
    if (!createFileFromTemplate(path, templateText)) {
        prompter.inform("Unable to open the file " + path +
                        ".  Make sure you enter a valid path and filename before editing.");
        return;
    }
    if (!editor.open(path))
        prompter.inform("Error in loading notepad");
}

} // namespace merix
