#pragma once

#include "document/FixedText.h"
#include "link/StopRequest.h"
#include "link/UploadPlan.h"
#include "link/UploadSettings.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace merix {

class Clock;
class ControllerLink;
class ControllerOutputList;
class LinkWorker;
class TranscriptWriter;
class UploadHistory;
class UploadProgressView;
struct UploadSession;

// "Terminal Window": talks to the controller. It owns the link and the serial port for as
// long as it is open. The link works on a thread of its own, one operation at a time, so the
// window repaints and answers while the line is slow; meanwhile the operation buttons rest,
// and Stop ends a connect at once and an upload after the line in flight. OK, Escape and the
// close box disconnect before the window goes, stop a connect, and during an upload ask
// first whether to stop it.
class TerminalWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminalWindow)

  public:
    TerminalWindow(UploadSession& session, QWidget* parent);
    ~TerminalWindow() override;

    bool isConnected() const;
    // True while an operation is on the line.
    bool isWorking() const;
    // True once the opening (Upload Setup for a new document, the direct connect) is over.
    bool openingDone() const { return m_openingDone; }
    std::string otherUploadFile() const { return m_otherUploadFile.str(); }
    // How the last upload ended, once it has.
    const std::optional<UploadOutcome>& lastOutcome() const { return m_lastOutcome; }

    // For tests: the controls by their role.
    QLineEdit* commandField() const { return m_command; }
    QListWidget* outputList() const { return m_list; }
    QPushButton* uploadOtherButton() const { return m_uploadOther; }
    QPushButton* connectButton() const { return m_connect; }
    QPushButton* uploadButton() const { return m_upload; }
    QPushButton* disconnectButton() const { return m_disconnect; }
    QPushButton* connectUploadDisconnectButton() const { return m_all; }
    QPushButton* setupButton() const { return m_setup; }
    QPushButton* reviewButton() const { return m_review; }
    QPushButton* stopButton() const { return m_stop; }
    QPushButton* historyButton() const { return m_history; }
    QPushButton* transcriptButton() const { return m_transcripts; }
    QPushButton* okButton() const { return m_ok; }
    UploadProgressView* progressView() const { return m_progress; }

    void done(int result) override;

  Q_SIGNALS:
    void openingFinished();
    // After every operation on the line.
    void operationFinished();

  protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    enum class Kind { Plain, Connect, Upload };

    void buildControls();
    QLayout* buildButtons();
    void runOpening();
    void finishOpening();
    bool openUploadSetup();

    void onConnect();
    void onDisconnect();
    void onUploadCommandFiles();
    void onConnectUploadDisconnect();
    void onSetup();
    void onReview();
    void onUploadOtherFile();
    void onStop();
    void onHistory();
    void onTranscripts();
    void onCommandChanged();
    void sendTypedCommand();

    // Runs work on the link's thread; then, back here, tells what the link had to tell and
    // runs then.
    void runOnLink(Kind kind, std::function<void()> work, std::function<void()> then = nullptr);
    void setWorking(bool working, Kind kind);
    void startConnect(std::function<void()> then = nullptr);
    void connectLink(const UploadSettings& settings);
    void runUpload(const UploadPlan& plan);
    void afterOperation(const std::function<void()>& then);
    void closeWhenIdle();

    UploadSession& m_session;
    FixedText<kPathCapacity> m_otherUploadFile;
    bool m_openingStarted = false;
    bool m_openingDone = false;
    Kind m_working = Kind::Plain;
    std::optional<int> m_closeWith;
    std::vector<std::string> m_messages; // written on the link's thread, read after it
    std::optional<UploadOutcome> m_lastOutcome;

    QLineEdit* m_command = nullptr;
    QPushButton* m_uploadOther = nullptr;
    QListWidget* m_list = nullptr;
    UploadProgressView* m_progress = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_upload = nullptr;
    QPushButton* m_disconnect = nullptr;
    QPushButton* m_all = nullptr;
    QPushButton* m_setup = nullptr;
    QPushButton* m_review = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_history = nullptr;
    QPushButton* m_transcripts = nullptr;
    QPushButton* m_ok = nullptr;

    StopRequest m_stopRequest;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<ControllerOutputList> m_output;
    std::unique_ptr<TranscriptWriter> m_transcript;
    std::unique_ptr<UploadHistory> m_uploads;
    std::unique_ptr<ControllerLink> m_link;
    LinkWorker* m_worker = nullptr;
};

} // namespace merix
