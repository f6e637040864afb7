#include "document/DocumentLifecycle.h"

#include "document/AtomicFile.h"
#include "document/CatalogLoader.h"
#include "document/DocumentFile.h"
#include "document/FileChooser.h"
#include "document/Prompter.h"
#include "document/SideFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace merix {

namespace {

namespace fs = std::filesystem;

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

std::string fileNamePart(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

CVeskDoc::CVeskDoc(Prompter& prompter, FileChooser& files, BusyIndicator* busy)
    : m_prompter(prompter), m_files(files), m_busy(busy) {}

void CVeskDoc::setTitleListener(std::function<void(const std::string&)> listener) {
    m_titleListener = std::move(listener);
}

void CVeskDoc::setTitle(std::string title) {
    m_title = std::move(title);
    if (m_titleListener)
        m_titleListener(m_title);
}

bool CVeskDoc::newDocument() {
    if (!m_doc.subScreenGuard()) {
        m_prompter.inform("Return to the User Screen or Main Screen Before starting a new file.");
        return false;
    }
    if (!offerToSave("Do you want to save the current file before starting a new file?"))
        return false;
    setTitle("MERIX");

    BusyGuard busy(m_busy);
    const std::string name = nextNewFileName();
    if (!loadCatalogsKeepingOldOnFailure()) {
        if (m_doc.isDocumentOpen())
            setTitle(m_doc.documentPath());
        return false;
    }
    m_doc.setDocumentPath(name);
    setTitle(name);
    m_doc.setDocumentOpen(true);
    m_doc.setAllRefreshFlags();
    // The copies hold the catalog defaults; the document itself waits for the first Save.
    writeDocument(referenceCopyPath(name));
    writeDocument(initCopyPath(name));
    return true;
}

bool CVeskDoc::openDocument() {
    if (!m_doc.subScreenGuard()) {
        m_prompter.inform("Return to the User Screen or Main Screen Before opening another file.");
        return false;
    }
    if (!offerToSave("Do you want to save the current file before opening a new file?"))
        return false;
    const auto chosen = m_files.chooseFileToOpen();
    if (!chosen)
        return false;
    return openChosen(*chosen, true);
}

bool CVeskDoc::openAtStart() {
    // No screen can be open yet, so there is nothing to refresh.
    if (!m_fileToOpenAtStart.empty()) {
        // A mistyped name is reported as missing, not as a file of another kind.
        if (!fileExists(m_fileToOpenAtStart)) {
            m_prompter.inform("Cannot load " + m_fileToOpenAtStart + " - No such file.");
            return false;
        }
        return openChosen(m_fileToOpenAtStart, false);
    }
    const auto chosen = m_files.chooseFileToOpen();
    if (!chosen)
        return false;
    return openChosen(*chosen, false);
}

bool CVeskDoc::openChosen(const std::string& path, bool setRefreshFlags) {
    BusyGuard busy(m_busy);
    if (!isDocumentFile(path)) {
        m_prompter.inform("Cannot load " + path + " - This file is not an MERIX file.");
        return false;
    }
    if (!loadCatalogsKeepingOldOnFailure())
        return false;
    m_doc.setDocumentPath(path);
    setTitle(path);
    m_doc.setDocumentOpen(true);
    // Written before the document is read, so missing copies hold the catalog defaults.
    writeCopyIfMissing(referenceCopyPath(path));
    writeCopyIfMissing(initCopyPath(path));
    if (fileExists(path))
        readDocumentFile(m_doc, path);
    if (setRefreshFlags)
        m_doc.setAllRefreshFlags();
    return true;
}

bool CVeskDoc::openAsNewDocument(const std::string& statePath) {
    if (!m_doc.subScreenGuard()) {
        m_prompter.inform("Return to the User Screen or Main Screen Before opening another file.");
        return false;
    }
    if (!offerToSave("Do you want to save the current file before opening a new file?"))
        return false;
    BusyGuard busy(m_busy);
    if (!isDocumentFile(statePath)) {
        m_prompter.inform("Cannot load " + statePath + " - This file is not an MERIX file.");
        return false;
    }
    if (!loadCatalogsKeepingOldOnFailure())
        return false;
    // No name, so no copies: its first save makes it a document of its own.
    m_doc.setDocumentPath("");
    setTitle("MERIX");
    m_doc.setDocumentOpen(true);
    readDocumentFile(m_doc, statePath);
    m_doc.setAllRefreshFlags();
    return true;
}

bool CVeskDoc::save() {
    if (m_doc.documentPath().empty())
        return saveAs();
    m_doc.setDocumentOpen(true);
    BusyGuard busy(m_busy);
    return writeDocument(m_doc.documentPath());
}

bool CVeskDoc::saveAs() {
    const std::string& path = m_doc.documentPath();
    const std::string suggested = path.empty() ? m_title + ".mrx" : fileNamePart(path);
    const auto chosen = m_files.chooseFileToSaveAs(suggested);
    if (!chosen)
        return false;

    BusyGuard busy(m_busy);
    const bool wasOpen = m_doc.isDocumentOpen();
    if (!wasOpen && !loadCatalogsKeepingOldOnFailure())
        return false;

    const std::string oldPath = m_doc.documentPath();
    const std::string oldTitle = m_title;
    m_doc.setDocumentPath(*chosen);
    setTitle(*chosen);
    m_doc.setDocumentOpen(true);
    if (!writeDocument(*chosen)) {
        // The document keeps the name it has on disk.
        m_doc.setDocumentPath(oldPath);
        m_doc.setDocumentOpen(wasOpen);
        setTitle(oldTitle);
        return false;
    }
    if (!oldPath.empty()) {
        carryCopyOver(referenceCopyPath(oldPath), referenceCopyPath(*chosen));
        carryCopyOver(initCopyPath(oldPath), initCopyPath(*chosen));
    }
    return true;
}

bool CVeskDoc::confirmExit() {
    return offerToSave("Do you want to save the current file before exiting the program?");
}

bool CVeskDoc::offerToSave(const char* question) {
    if (!m_doc.isDocumentOpen())
        return true;
    if (!m_prompter.ask(question))
        return true;
    // A save that failed must not be followed by throwing the edits away.
    return save();
}

bool CVeskDoc::loadCatalogsKeepingOldOnFailure() {
    // Loaded aside, so a catalog missing halfway leaves the open configuration whole.
    ConfigDocument staged = m_doc;
    if (!loadCatalogs(staged, m_prompter))
        return false;
    m_doc = std::move(staged);
    return true;
}

bool CVeskDoc::writeDocument(const std::string& path) {
    const std::string error = writeDocumentFile(m_doc, path);
    if (!error.empty())
        m_prompter.inform(error);
    return error.empty();
}

void CVeskDoc::writeCopyIfMissing(const std::string& path) {
    if (!fileExists(path))
        writeDocument(path);
}

void CVeskDoc::carryCopyOver(const std::string& from, const std::string& to) {
    if (!fileExists(from) || sameFile(from, to))
        return;
    std::ifstream in(from, std::ios::binary);
    if (!in)
        return;
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string error = writeFileAtomically(to, content);
    if (!error.empty())
        m_prompter.inform(error);
}

std::string CVeskDoc::nextNewFileName() {
    for (;;) {
        const std::string candidate =
            m_doc.catalogPath("MERX_" + std::to_string(m_newFileCounter) + ".MRX");
        ++m_newFileCounter;
        if (!fileExists(candidate))
            return candidate;
    }
}

} // namespace merix
