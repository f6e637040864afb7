#include "screens/TerminalWindow.h"

#include "document/ConfigDocument.h"
#include "document/Prompter.h"
#include "document/SideFiles.h"
#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/LinkMessages.h"
#include "link/TranscriptWriter.h"
#include "link/UploadHistory.h"
#include "link/UploadJob.h"
#include "screens/Captions.h"
#include "screens/ControllerOutputList.h"
#include "screens/LinkWorker.h"
#include "screens/QtText.h"
#include "screens/ReviewWindow.h"
#include "screens/TextEditorLauncher.h"
#include "screens/UploadFileScreen.h"
#include "screens/UploadHistoryWindow.h"
#include "screens/UploadProgressView.h"
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
const char* const kMustReconnect = "Upload Connect Options have changed.  Must reconnect.";
const char* const kStopQuestion =
    "An upload is running.  Stop it after the line being sent, and then close the Terminal "
    "Window?";

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

} // namespace

TerminalWindow::TerminalWindow(UploadSession& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_clock(std::make_unique<SteadyClock>()) {
    setWindowTitle(QStringLiteral("Terminal Window"));
    setModal(true);
    buildControls();
    const std::string& document = session.doc.documentPath();
    m_output = std::make_unique<ControllerOutputList>(m_list);
    m_transcript = std::make_unique<TranscriptWriter>(transcriptFolderPath(document));
    m_uploads = std::make_unique<UploadHistory>(document, m_transcript.get());
    m_link = std::make_unique<ControllerLink>(*m_clock, *m_output);
    m_link->setPortMap(session.ports);
    m_link->setRecorder(m_transcript.get());
    m_link->setStopRequest(&m_stopRequest);
    m_worker = new LinkWorker(this);
}

TerminalWindow::~TerminalWindow() {
    // The connection never outlives the window, however the window goes.
    m_stopRequest.request();
    m_worker->wait();
    if (m_link->isConnected())
        m_link->disconnect();
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
    m_progress = new UploadProgressView(this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(commandLabel, 0, 0);
    grid->addWidget(m_command, 1, 0);
    grid->addWidget(m_uploadOther, 1, 1);
    grid->addWidget(listLabel, 2, 0);
    grid->addWidget(m_list, 3, 0);
    grid->addLayout(buildButtons(), 3, 1, 2, 1);
    grid->addWidget(m_progress, 4, 0);
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
    connect(m_stop, &QPushButton::clicked, this, &TerminalWindow::onStop);
    connect(m_history, &QPushButton::clicked, this, &TerminalWindow::onHistory);
    connect(m_transcripts, &QPushButton::clicked, this, &TerminalWindow::onTranscripts);
    connect(m_ok, &QPushButton::clicked, this, &TerminalWindow::accept);
}

QLayout* TerminalWindow::buildButtons() {
    m_connect = new QPushButton(QStringLiteral("Co&nnect"), this);
    m_upload = new QPushButton(QStringLiteral("Upload Command &File(s)"), this);
    m_disconnect = new QPushButton(QStringLiteral("&Disconnect"), this);
    m_all = new QPushButton(QStringLiteral("Connect/U&pload/Disconnect"), this);
    m_setup = new QPushButton(QStringLiteral("&Setup"), this);
    m_review = new QPushButton(QStringLiteral("&Review"), this);
    m_stop = new QPushButton(QStringLiteral("S&top"), this);
    m_stop->setEnabled(false);
    m_stop->setToolTip(QStringLiteral(
        "End a connect at once, or an upload after the line being sent, and disconnect"));
    m_history = new QPushButton(QStringLiteral("Upload &History..."), this);
    m_transcripts = new QPushButton(QStringLiteral("Tr&anscript Folder"), this);
    m_transcripts->setToolTip(
        QStringLiteral("Show the folder with a transcript of every connection"));
    m_ok = new QPushButton(QStringLiteral("&OK"), this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_connect, m_upload, m_disconnect, m_all, m_setup, m_review})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(m_stop);
    buttons->addSpacing(12);
    buttons->addWidget(m_history);
    buttons->addWidget(m_transcripts);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    return buttons;
}

bool TerminalWindow::isConnected() const {
    return m_link->isConnected();
}

bool TerminalWindow::isWorking() const {
    return m_worker->busy();
}

void TerminalWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Should no paint come (a window never exposed), the opening must still happen.
    QTimer::singleShot(kOpeningFallbackMs, this, &TerminalWindow::runOpening);
}

void TerminalWindow::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    // The opening starts once the window is on the screen.
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
    if (m_session.settings.connectionType == ConnectionType::Direct) {
        startConnect([this] { finishOpening(); });
        return;
    }
    finishOpening();
}

void TerminalWindow::finishOpening() {
    m_openingDone = true;
    Q_EMIT openingFinished();
}

bool TerminalWindow::openUploadSetup() {
    UploadSetupScreen setup(m_session, this);
    const bool ok = setup.exec() == QDialog::Accepted;
    m_link->setPortMap(m_session.ports);
    return ok;
}

void TerminalWindow::runOnLink(Kind kind, std::function<void()> work, std::function<void()> then) {
    m_messages.clear();
    if (kind == Kind::Upload)
        m_lastOutcome.reset();
    setWorking(true, kind);
    // The buttons rest while the line is busy, so this is no more than a safeguard.
    if (!m_worker->start(std::move(work), [this, then = std::move(then)] { afterOperation(then); }))
        setWorking(false, kind);
}

void TerminalWindow::afterOperation(const std::function<void()>& then) {
    if (m_working == Kind::Upload && m_lastOutcome)
        m_progress->showEnd(m_lastOutcome->linesSent, m_lastOutcome->linesTotal);
    setWorking(false, m_working);
    // What were message boxes of the link come now, in the order the link had them.
    for (const std::string& message : std::exchange(m_messages, {}))
        m_session.prompter.inform(message);
    if (then)
        then();
    Q_EMIT operationFinished();
    closeWhenIdle();
}

void TerminalWindow::setWorking(bool working, Kind kind) {
    m_working = kind;
    for (QWidget* w : std::initializer_list<QWidget*>{m_command, m_uploadOther, m_connect, m_upload,
                                                      m_disconnect, m_all, m_setup})
        w->setEnabled(!working);
    m_stop->setEnabled(working && kind != Kind::Plain);
    // The entry of an upload under way reads as failed until it ends.
    m_history->setEnabled(!working || kind != Kind::Upload);
    if (working)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

// With the devices and settings as they are now: Setup may have changed them.
void TerminalWindow::startConnect(std::function<void()> then) {
    m_link->setPortMap(m_session.ports);
    m_stopRequest.clear();
    runOnLink(
        Kind::Connect, [this, s = m_session.settings] { connectLink(s); }, std::move(then));
}

// On the link's thread.
void TerminalWindow::connectLink(const UploadSettings& settings) {
    m_link->connect(settings);
    for (std::string& m : m_link->takeMessages())
        m_messages.push_back(std::move(m));
}

// On the link's thread.
void TerminalWindow::runUpload(const UploadPlan& plan) {
    UploadJob job(*m_link, *m_clock);
    job.setObserver(&m_progress->observer());
    job.setStopRequest(&m_stopRequest);
    job.setHistory(m_uploads.get());
    UploadOutcome outcome = job.run(plan);
    m_messages.insert(m_messages.end(), outcome.messages.begin(), outcome.messages.end());
    m_lastOutcome = std::move(outcome);
}

void TerminalWindow::onConnect() {
    startConnect();
}

void TerminalWindow::onDisconnect() {
    runOnLink(Kind::Plain, [this] { m_link->disconnect(); });
}

void TerminalWindow::onUploadCommandFiles() {
    if (!isConnected()) {
        m_session.prompter.inform(kNotConnectedForUpload);
        return;
    }
    m_stopRequest.clear();
    const UploadPlan plan =
        commandFilesPlan(m_session.settings, m_session.commandFile, m_session.doc.documentPath());
    runOnLink(
        Kind::Upload, [this, plan] { runUpload(plan); }, [this] { m_list->setFocus(); });
}

void TerminalWindow::onConnectUploadDisconnect() {
    m_output->clear();
    m_link->setPortMap(m_session.ports);
    m_stopRequest.clear();
    const UploadPlan plan =
        commandFilesPlan(m_session.settings, m_session.commandFile, m_session.doc.documentPath());
    auto uploaded = std::make_shared<bool>(false);
    runOnLink(
        Kind::Upload,
        [this, plan, uploaded, s = m_session.settings] {
            connectLink(s);
            if (!m_link->isConnected())
                return;
            runUpload(plan);
            m_link->disconnect();
            *uploaded = true;
        },
        [this, uploaded] {
            if (*uploaded)
                m_list->setFocus();
        });
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
    // The link hangs a modem up even when the user just switched to a direct connection.
    runOnLink(
        Kind::Plain, [this] { m_link->disconnect(); },
        [this] { m_output->addLine(kMustReconnect); });
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
    const std::string path = m_otherUploadFile.str();
    std::error_code ec;
    // A folder opens like a file and reads as empty; it would end in "Finished Upload".
    if (std::filesystem::is_directory(path, ec) || !std::ifstream(path, std::ios::binary)) {
        m_output->addLine(linktext::kCannotOpenFile);
        m_output->addLine(linktext::kPrompt);
        return;
    }
    m_stopRequest.clear();
    const UploadPlan plan = otherFilesPlan({path}, m_session.settings.stripComments != 0);
    runOnLink(Kind::Upload, [this, plan] { runUpload(plan); });
}

void TerminalWindow::onStop() {
    m_stopRequest.request();
    m_stop->setEnabled(false);
}

void TerminalWindow::onHistory() {
    UploadHistoryWindow history(m_session.doc, m_session.prompter, nullptr, this);
    history.exec();
}

void TerminalWindow::onTranscripts() {
    const std::string folder = m_transcript->folder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !m_session.editor.open(folder))
        m_session.prompter.inform("Unable to show the folder " + folder + ".");
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
    if (text.isEmpty() || isWorking())
        return;
    // Text typed before a disconnect is still in the field; it has nowhere to go.
    if (!isConnected()) {
        m_session.prompter.inform(kNotConnectedForCommand);
        setTextQuietly(m_command, QString());
        return;
    }
    runOnLink(
        Kind::Plain,
        [this, line = text.toStdString()] {
            m_link->sendUserCommand(line);
            for (std::string& m : m_link->takeMessages())
                m_messages.push_back(std::move(m));
        },
        [this] { setTextQuietly(m_command, QString()); });
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

void TerminalWindow::done(int result) {
    if (isWorking()) {
        if (m_working == Kind::Upload) {
            if (!m_session.prompter.ask(kStopQuestion))
                return;
            onStop();
        }
        // A connect has nothing to lose: it ends at once.
        if (m_working == Kind::Connect)
            onStop();
        // The window goes once the line is free.
        m_closeWith = result;
        return;
    }
    m_closeWith = result;
    closeWhenIdle();
}

// A close asked for meanwhile: disconnect first (a modem hang-up takes seconds), then go.
void TerminalWindow::closeWhenIdle() {
    if (!m_closeWith || isWorking())
        return;
    if (isConnected()) {
        runOnLink(Kind::Plain, [this] { m_link->disconnect(); });
        return;
    }
    const int result = *std::exchange(m_closeWith, std::nullopt);
    QDialog::done(result);
}

} // namespace merix
