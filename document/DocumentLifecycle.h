#pragma once

#include "document/ConfigDocument.h"

#include <functional>
#include <string>

namespace merix {

class BusyIndicator;
class FileChooser;
class Prompter;

// The document class: the one store and how a document comes into being, is opened,
// saved and left. Everything it tells the user goes through the prompter.
class CVeskDoc {
  public:
    CVeskDoc(Prompter& prompter, FileChooser& files, BusyIndicator* busy = nullptr);

    ConfigDocument& document() { return m_doc; }
    const ConfigDocument& document() const { return m_doc; }

    // The title the main window shows: "MERIX" until a path is set, then the path.
    const std::string& title() const { return m_title; }
    void setTitleListener(std::function<void(const std::string&)> listener);

    // File menu. Each returns true when it went through to the end.
    bool newDocument();
    bool openDocument();
    bool openAtStart();
    // A document named when the program was started: the first Open takes it instead of
    // asking with the Open dialog.
    void setFileToOpenAtStart(std::string path) { m_fileToOpenAtStart = std::move(path); }
    bool save();
    bool saveAs();
    // A state kept elsewhere (the document as an upload sent it) as a new document without a
    // name, after the usual offer to save the current one; Save asks for a name.
    bool openAsNewDocument(const std::string& statePath);
    // Leaving the program: false keeps the program running (a requested save failed).
    bool confirmExit();

    // The next candidate number of New (starts at 1, never reset while the program runs).
    int newFileCounter() const { return m_newFileCounter; }

  private:
    bool offerToSave(const char* question);
    bool openChosen(const std::string& path, bool setRefreshFlags);
    bool loadCatalogsKeepingOldOnFailure();
    bool writeDocument(const std::string& path);
    void writeCopyIfMissing(const std::string& path);
    void carryCopyOver(const std::string& from, const std::string& to);
    std::string nextNewFileName();
    void setTitle(std::string title);

    ConfigDocument m_doc;
    Prompter& m_prompter;
    FileChooser& m_files;
    BusyIndicator* m_busy;
    std::string m_title = "MERIX";
    std::function<void(const std::string&)> m_titleListener;
    int m_newFileCounter = 1;
    std::string m_fileToOpenAtStart;
};

} // namespace merix
