#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

namespace merix::test {

// Answers the next modal dialog of type T once it is up and ready (a dialog run with exec()
// blocks the test until then). Polling from the dialog's own event loop keeps the answer out
// of any nested wait, so dialogs opened one inside the other are answered in their order.
// Gives up after a while so a missing dialog fails instead of hanging; the answer is
// withdrawn when the returned handle goes, so it never reaches a later test.
template <class T>
[[nodiscard]] std::unique_ptr<QTimer> whenModal(std::function<void(T*)> answer,
                                                std::function<bool(T*)> ready = nullptr,
                                                int giveUpMs = 60000) {
    auto timer = std::make_unique<QTimer>();
    QTimer* t = timer.get();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(t, &QTimer::timeout, t, [t, clock, answer, ready, giveUpMs] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog && ready && !ready(dialog))
            dialog = nullptr;
        if (!dialog && clock->elapsed() < giveUpMs)
            return;
        t->stop();
        if (dialog)
            answer(dialog);
    });
    t->start(5);
    return timer;
}

} // namespace merix::test
