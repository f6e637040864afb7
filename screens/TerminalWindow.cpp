#include "screens/TerminalWindow.h"

#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"
#include "document/SideFiles.h"
#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/LinkMessages.h"
#include "link/TermiosSerialPort.h"
#include "link/UploadSettings.h"
#include "screens/Captions.h"
#include "screens/ControllerOutputList.h"
#include "screens/ReviewWindow.h"
#include "screens/QtText.h"
#include "screens/UploadFileScreen.h"
#include "screens/UploadSession.h"
#include "screens/UploadSetupScreen.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>
#include <fstream>

namespace merix {

namespace {

constexpr qsizetype kCommandCharacters = 1498;
constexpr int kOpeningFallbackMs = 500;

const char* const kNotConnectedForUpload =
    "Must be connected to controller before uploading.  If unable to connect, check the settings "
    "on the upload setup window.";
const char* const kNotConnectedForCommand = "Connect to the controller before uploading a command.";
const char* const kCommandTooLong = "The length of a command can not exceed 1498 characters.";
const char* const kConnectFirst = "Connect Before Uploading File";
const char* const kCannotOpenFile = "Unable to Open File (Check Path and Filename)";
const char* const kMustReconnect = "Upload Connect Options have changed.  Must reconnect.";

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

} // namespace

TerminalWindow::TerminalWindow(UploadSession& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_port(std::make_unique<TermiosSerialPort>()),
      m_clock(std::make_unique<SteadyClock>()) {
    setWindowTitle(QStringLiteral("Terminal Window"));
    setModal(true);
    buildControls();
    m_output = std::make_unique<ControllerOutputList>(m_list);
    m_link = std::make_unique<ControllerLink>(*m_port, *m_clock, *m_output, session.prompter,
                                              session.busy);
    m_link->setPortMap(session.ports);
}

TerminalWindow::~TerminalWindow() {
    // The connection never outlives the window, however the window goes.
    if (m_link->isConnected())
        m_link->disconnect(m_session.settings.connectionType);
}

void TerminalWindow::buildControls() {
    auto* commandLabel = new QLabel(QStringLiteral("&User Entered Command Upload:"), this);
    m_command = new QLineEdit(this);
    labelControl(commandLabel, m_command);
    m_uploadOther = new QPushButton(QStringLiteral("Up&load Other File"), this);

    auto* listLabel = new QLabel(QStringLiteral("&Controller Output"), this);
    m_list = new QListWidget(this);
    m_list->setSortingEnabled(false);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setUniformItemSizes(true);
    m_list->setMinimumSize(460, 300);
    labelControl(listLabel, m_list);

    m_connect = new QPushButton(QStringLiteral("Co&nnect"), this);
    m_upload = new QPushButton(QStringLiteral("Upload Command &File(s)"), this);
    m_disconnect = new QPushButton(QStringLiteral("&Disconnect"), this);
    m_all = new QPushButton(QStringLiteral("Connect/U&pload/Disconnect"), this);
    m_setup = new QPushButton(QStringLiteral("&Setup"), this);
    m_review = new QPushButton(QStringLiteral("&Review"), this);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_connect, m_upload, m_disconnect, m_all, m_setup, m_review})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_ok);

    auto* grid = new QGridLayout(this);
    grid->addWidget(commandLabel, 0, 0);
    grid->addWidget(m_command, 1, 0);
    grid->addWidget(m_uploadOther, 1, 1);
    grid->addWidget(listLabel, 2, 0);
    grid->addWidget(m_list, 3, 0);
    grid->addLayout(buttons, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);

    connect(m_command, &QLineEdit::textChanged, this, &TerminalWindow::onCommandChanged);
    connect(m_uploadOther, &QPushButton::clicked, this, &TerminalWindow::onUploadOtherFile);
    connect(m_connect, &QPushButton::clicked, this, &TerminalWindow::onConnect);
    connect(m_upload, &QPushButton::clicked, this, &TerminalWindow::onUploadCommandFiles);
    connect(m_disconnect, &QPushButton::clicked, this, &TerminalWindow::onDisconnect);
    connect(m_all, &QPushButton::clicked, this, &TerminalWindow::onConnectUploadDisconnect);
    connect(m_setup, &QPushButton::clicked, this, &TerminalWindow::onSetup);
    connect(m_review, &QPushButton::clicked, this, &TerminalWindow::onReview);
    connect(m_ok, &QPushButton::clicked, this, &TerminalWindow::accept);
}

bool TerminalWindow::isConnected() const {
    return m_link->isConnected();
}

void TerminalWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Should no paint come (a window never exposed), the opening must still happen.
    QTimer::singleShot(kOpeningFallbackMs, this, &TerminalWindow::runOpening);
}

void TerminalWindow::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    // The opening blocks while it connects: once the window is on the screen.
    if (!m_openingStarted)
        QTimer::singleShot(0, this, &TerminalWindow::runOpening);
}

void TerminalWindow::runOpening() {
    if (m_openingStarted)
        return;
    m_openingStarted = true;
    std::error_code ec;
    if (!std::filesystem::exists(settingsFilePath(m_session.doc.documentPath()), ec))
        openUploadSetup();
    if (m_session.settings.connectionType == 0)
        onConnect();
    m_openingDone = true;
    Q_EMIT openingFinished();
}

bool TerminalWindow::openUploadSetup() {
    UploadSetupScreen setup(m_session, this);
    const bool ok = setup.exec() == QDialog::Accepted;
    m_link->setPortMap(m_session.ports);
    return ok;
}

void TerminalWindow::onConnect() {
    m_link->setPortMap(m_session.ports);
    m_link->connect(m_session.settings);
}

void TerminalWindow::onDisconnect() {
    m_link->disconnect(m_session.settings.connectionType);
}

void TerminalWindow::onUploadCommandFiles() {
    if (!isConnected()) {
        m_session.prompter.inform(kNotConnectedForUpload);
        return;
    }
    m_link->uploadCommandFiles(m_session.settings, m_session.commandFile);
    writeReferenceCopy();
    m_list->setFocus();
}

void TerminalWindow::onConnectUploadDisconnect() {
    m_output->clear();
    onConnect();
    if (!isConnected())
        return;
    m_link->uploadCommandFiles(m_session.settings, m_session.commandFile);
    m_link->disconnect(m_session.settings.connectionType);
    writeReferenceCopy();
    m_list->setFocus();
}

void TerminalWindow::onSetup() {
    const UploadSettings noted = m_session.settings;
    const std::string notedDevice = noted.comPort >= 0 && noted.comPort < PortMap::kPortCount
                                        ? m_session.ports.device(noted.comPort)
                                        : "";
    openUploadSetup();
    if (!isConnected())
        return;
    const UploadSettings& now = m_session.settings;
    // The device behind the port counts as the port: the open line is the old device.
    const bool changed = noted.connectionType != now.connectionType ||
                         noted.comPort != now.comPort ||
                         !sameIgnoringCase(noted.baudRate.str(), now.baudRate.str()) ||
                         (now.comPort >= 0 && now.comPort < PortMap::kPortCount &&
                          notedDevice != m_session.ports.device(now.comPort));
    if (!changed)
        return;
    // A modem is hung up even when the user just switched to a direct connection.
    m_link->disconnect(noted.connectionType);
    m_output->addLine(kMustReconnect);
}

void TerminalWindow::onReview() {
    reviewUploadSession(m_session, this);
}

void TerminalWindow::onUploadOtherFile() {
    if (m_otherUploadFile.empty())
        m_otherUploadFile = m_session.commandFile;
    UploadFileScreen screen(m_otherUploadFile, m_session.prompter, m_session.editor, this);
    screen.exec();
    if (m_otherUploadFile.empty())
        return;
    if (!isConnected()) {
        m_output->addLine(kConnectFirst);
        return;
    }
    m_link->resetUploadState();
    const std::string path = m_otherUploadFile.str();
    std::error_code ec;
    std::ifstream file;
    // A folder opens like a file and reads as empty; it would end in "Finished Upload".
    if (!std::filesystem::is_directory(path, ec))
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        m_output->addLine(kCannotOpenFile);
        m_output->addLine(linktext::kPrompt);
        return;
    }
    BusyGuard busy(m_session.busy);
    m_link->sendFile(file, m_session.settings.stripComments != 0);
    file.close();
    if (m_link->hasError()) {
        m_link->disconnect(m_session.settings.connectionType);
        return;
    }
    if (m_link->lineCounter() < ControllerLink::kLineLimit)
        m_link->showFinished();
}

void TerminalWindow::onCommandChanged() {
    const QString text = m_command->text();
    if (text.size() > kCommandCharacters) {
        m_session.prompter.inform(kCommandTooLong);
        setTextQuietly(m_command, text.left(kCommandCharacters));
        return;
    }
    if (!isConnected()) {
        m_session.prompter.inform(kNotConnectedForCommand);
        setTextQuietly(m_command, QString());
    }
}

void TerminalWindow::sendTypedCommand() {
    const QString text = m_command->text();
    if (text.isEmpty())
        return;
    // Text typed before a disconnect is still in the field; it has nowhere to go.
    if (!isConnected()) {
        m_session.prompter.inform(kNotConnectedForCommand);
        setTextQuietly(m_command, QString());
        return;
    }
    m_link->sendUserCommand(text.toStdString());
    setTextQuietly(m_command, QString());
}

void TerminalWindow::keyPressEvent(QKeyEvent* e) {
    // Enter belongs to the typed command unless a button has the focus (it presses that one).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        sendTypedCommand();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TerminalWindow::writeReferenceCopy() {
    const std::string error = writeDocumentFile(
        m_session.doc, referenceCopyPath(m_session.doc.documentPath()), m_session.busy);
    if (!error.empty())
        m_session.prompter.inform(error);
}

void TerminalWindow::done(int result) {
    if (isConnected())
        m_link->disconnect(m_session.settings.connectionType);
    QDialog::done(result);
}

} // namespace merix
