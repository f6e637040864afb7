#pragma once

#include <QApplication>

#include <memory>

namespace merix {

class CMainFrame;
class CVeskDoc;
class QtFileChooser;
class QtPrompter;
class WaitCursor;
class ProfileSettings;

// The application: records the startup directory, gives dialogs their grey, loads the
// profile settings and creates the one document, main window and main screen.
class CVeskApp final : public QApplication {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CVeskApp)

  public:
    CVeskApp(int& argc, char** argv);
    ~CVeskApp() override;

    // Startup, then the event loop until the main window closes. documentPath, when given,
    // is opened at start instead of asking with the Open dialog.
    int run(const QString& documentPath = QString());

  private:
    QString catalogFolder(const QString& documentPath) const;

    std::unique_ptr<QtPrompter> m_prompter;
    std::unique_ptr<WaitCursor> m_busy;
    std::unique_ptr<ProfileSettings> m_profile;
    std::unique_ptr<CVeskDoc> m_doc;
    std::unique_ptr<QtFileChooser> m_files;
    std::unique_ptr<CMainFrame> m_frame;
};

// Light grey (192, 192, 192) with black text for every dialog and message box.
void applyDialogColours();

} // namespace merix
