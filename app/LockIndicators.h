#pragma once

#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;

namespace merix {

// The CAP, NUM and SCRL panes of the status bar. Qt has no portable way to ask for the lock
// keys, so the keyboard LEDs the kernel exposes are read; without them the panes stay dim.
class LockIndicators final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LockIndicators)

  public:
    explicit LockIndicators(QStatusBar* bar);

  private:
    void update();

    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
};

} // namespace merix
