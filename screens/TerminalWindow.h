#pragma once

#include "document/FixedText.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace merix {

class Clock;
class ControllerLink;
class ControllerOutputList;
class SerialPort;
struct UploadSession;

// "Terminal Window": talks to the controller. It owns the link and the serial port for as
// long as it is open; OK, Escape and the close box disconnect before it goes. The link blocks
// the event loop while it works; the output list paints each line as it comes.
class TerminalWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminalWindow)

  public:
    TerminalWindow(UploadSession& session, QWidget* parent);
    ~TerminalWindow() override;

    bool isConnected() const;
    // True once the opening (Upload Setup for a new document, the direct connect) is over.
    bool openingDone() const { return m_openingDone; }
    std::string otherUploadFile() const { return m_otherUploadFile.str(); }

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
    QPushButton* okButton() const { return m_ok; }

    void done(int result) override;

  Q_SIGNALS:
    void openingFinished();

  protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void buildControls();
    void runOpening();
    bool openUploadSetup();

    void onConnect();
    void onDisconnect();
    void onUploadCommandFiles();
    void onConnectUploadDisconnect();
    void onSetup();
    void onReview();
    void onUploadOtherFile();
    void onCommandChanged();
    void sendTypedCommand();

    void writeReferenceCopy();

    UploadSession& m_session;
    FixedText<100> m_otherUploadFile;
    bool m_openingStarted = false;
    bool m_openingDone = false;

    QLineEdit* m_command = nullptr;
    QPushButton* m_uploadOther = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_upload = nullptr;
    QPushButton* m_disconnect = nullptr;
    QPushButton* m_all = nullptr;
    QPushButton* m_setup = nullptr;
    QPushButton* m_review = nullptr;
    QPushButton* m_ok = nullptr;

    std::unique_ptr<SerialPort> m_port;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<ControllerOutputList> m_output;
    std::unique_ptr<ControllerLink> m_link;
};

} // namespace merix
