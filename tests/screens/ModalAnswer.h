#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace merix::test {

// Answers the next modal dialog of type T once it is up (a dialog run with exec() blocks the
// test until then). Gives up after a few seconds so a missing dialog fails instead of hanging.
template <class T>
void whenModal(std::function<void(T*)> answer, int giveUpMs = 10000)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, answer, giveUpMs] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && clock->elapsed() < giveUpMs)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog)
            answer(dialog);
    });
    timer->start(5);
}

} // namespace merix::test
