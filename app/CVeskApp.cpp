#include "app/CVeskApp.h"

#include "MerixVersion.h"
#include "app/CMainFrame.h"
#include "app/CatalogFolderChoice.h"
#include "app/CatalogFolders.h"
#include "app/ProfileSettings.h"
#include "app/QtCatalogFolderQuestions.h"
#include "app/QtFileChooser.h"
#include "app/QtPrompter.h"
#include "document/DocumentLifecycle.h"
#include "screens/AccessibleComboBox.h"

#include <QDir>
#include <QFileInfo>
#include <QPalette>
#include <QScreen>
#include <QSettings>

namespace merix {

void applyDialogColours() {
    QPalette grey = QApplication::palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    grey.setColor(QPalette::WindowText, Qt::black);
    grey.setColor(QPalette::Button, QColor(192, 192, 192));
    grey.setColor(QPalette::ButtonText, Qt::black);
    // Without a group the two above are black when disabled too: a resting button must look so.
    grey.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    grey.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    QApplication::setPalette(grey, "QDialog");
}

CVeskApp::CVeskApp(int& argc, char** argv) : QApplication(argc, argv) {
    installAccessibleComboBoxes();
    setOrganizationName(QStringLiteral("MERIX"));
    setApplicationName(QStringLiteral("MERIX editor"));
    setApplicationVersion(QString::fromLatin1(kVersion));
    setDesktopFileName(QString::fromLatin1(kDesktopId));
}

CVeskApp::~CVeskApp() {
    // The windows go before the document they show.
    m_frame.reset();
}

QString CVeskApp::catalogFolder(const QString& documentPath) const {
    CatalogFolderSources sources;
    sources.startupFolder = QDir::currentPath();
    if (!documentPath.isEmpty())
        sources.documentFolder = QFileInfo(documentPath).absolutePath();
    sources.installedSamples = installedSampleCatalogs(applicationDirPath());
    sources.userCopy = userCatalogCopy();
    QtCatalogFolderQuestions questions;
    QSettings settings;
    return chooseCatalogFolder(sources, questions, settings);
}

int CVeskApp::run(const QString& documentPath) {
    applyDialogColours();
    // The catalogs are read from where the program was started, unless that folder has none.
    const std::string startupDirectory = catalogFolder(documentPath).toStdString();
    m_profile = std::make_unique<ProfileSettings>();
    m_profile->load();

    m_prompter = std::make_unique<QtPrompter>();
    m_busy = std::make_unique<WaitCursor>();
    m_files = std::make_unique<QtFileChooser>();
    m_doc = std::make_unique<CVeskDoc>(*m_prompter, *m_files, m_busy.get());
    m_doc->document().setStartupDirectory(startupDirectory);
    if (!documentPath.isEmpty())
        m_doc->setFileToOpenAtStart(QFileInfo(documentPath).absoluteFilePath().toStdString());

    m_frame = std::make_unique<CMainFrame>(*m_doc, *m_prompter, m_busy.get());
    m_prompter->setParentWindow(m_frame.get());
    m_files->attach(m_doc->document(), m_frame.get());
    // Without a window manager a maximize request is not honoured; the size is set anyway.
    if (const QScreen* screen = m_frame->screen())
        m_frame->setGeometry(screen->availableGeometry());
    m_frame->showMaximized();
    return exec();
}

} // namespace merix
