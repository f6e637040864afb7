#include "screens/LinkWorker.h"

#include <QThread>

#include <utility>

namespace merix {

LinkWorker::LinkWorker(QObject* parent) : QObject(parent) {}

LinkWorker::~LinkWorker() {
    wait();
}

bool LinkWorker::start(std::function<void()> work, std::function<void()> then) {
    if (m_thread)
        return false;
    m_then = std::move(then);
    m_thread = QThread::create(std::move(work));
    // Emitted on the worker's thread, taken on ours; a wait() meanwhile makes it stale.
    connect(
        m_thread, &QThread::finished, this,
        [this, generation = ++m_generation] {
            if (generation == m_generation)
                onFinished();
        },
        Qt::QueuedConnection);
    m_thread->start();
    return true;
}

void LinkWorker::wait() {
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_then = nullptr;
    ++m_generation;
}

void LinkWorker::onFinished() {
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    // Taken first: what follows may start the next operation.
    const std::function<void()> then = std::exchange(m_then, nullptr);
    if (then)
        then();
}

} // namespace merix
