#include "app/QtFileChooser.h"

#include "document/ConfigDocument.h"

#include <QFileDialog>
#include <QFileInfo>

namespace merix {

namespace {

std::optional<std::string> runDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath().toStdString();
}

} // namespace

QString QtFileChooser::startDirectory() const {
    if (!m_doc)
        return QString();
    if (!m_doc->documentPath().empty())
        return QFileInfo(QString::fromStdString(m_doc->documentPath())).absolutePath();
    return QString::fromStdString(m_doc->startupDirectory());
}

std::optional<std::string> QtFileChooser::chooseFileToOpen() {
    QFileDialog dialog(m_parent, QStringLiteral("Open"), startDirectory());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("mrx"));
    // The name field starts with the pattern; Qt's dialog lists by its type filter only, so
    // the same pattern is the one type offered (New names its files in capitals).
    dialog.setNameFilter(QStringLiteral("*.mrx *.MRX"));
    dialog.selectFile(QStringLiteral("*.mrx"));
    return runDialog(dialog);
}

std::optional<std::string> QtFileChooser::chooseFileToSaveAs(const std::string& suggestedName) {
    QFileDialog dialog(m_parent, QStringLiteral("Save As"), startDirectory());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("MRX"));
    dialog.setNameFilter(QStringLiteral("Files (*.mrx *.MRX)"));
    dialog.selectFile(QString::fromStdString(suggestedName));
    return runDialog(dialog); // Qt asks before overwriting an existing file
}

} // namespace merix
