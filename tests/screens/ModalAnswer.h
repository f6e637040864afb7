#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

namespace merix::test {

// Answers the next modal dialog of type T once it is up (a dialog run with exec() blocks the
// test until then). Gives up after a while so a missing dialog fails instead of hanging; the
// answer is withdrawn when the returned handle goes, so it never reaches a later test.
template <class T>
[[nodiscard]] std::unique_ptr<QTimer> whenModal(std::function<void(T*)> answer,
                                                int giveUpMs = 10000) {
    auto timer = std::make_unique<QTimer>();
    QTimer* t = timer.get();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(t, &QTimer::timeout, t, [t, clock, answer, giveUpMs] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
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
