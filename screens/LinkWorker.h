#pragma once

#include <QObject>

#include <functional>

class QThread;

namespace merix {

// Runs one operation on the controller link at a time, on a thread of its own, so the window
// stays responsive while the link waits for the line; what follows the operation runs on
// the owner's thread once it is over.
class LinkWorker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkWorker)

  public:
    explicit LinkWorker(QObject* parent = nullptr);
    // Waits for the operation in flight.
    ~LinkWorker() override;

    bool busy() const { return m_thread != nullptr; }
    // False, doing nothing, while another operation runs.
    bool start(std::function<void()> work, std::function<void()> then);
    // Blocks until the operation in flight is over, without running what follows it.
    void wait();

  private:
    void onFinished();

    QThread* m_thread = nullptr;
    std::function<void()> m_then;
    unsigned m_generation = 0;
};

} // namespace merix
