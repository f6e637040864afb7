#pragma once

#include "link/UploadProgress.h"

#include <QWidget>

#include <memory>

class QLabel;
class QProgressBar;

namespace merix {

// How far an upload is: "Line n of N (p%)", the rate and the time left, and a bar. The upload
// reports from its own thread through observer(); the view follows on its own.
class UploadProgressView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UploadProgressView)

  public:
    explicit UploadProgressView(QWidget* parent = nullptr);
    ~UploadProgressView() override;

    UploadObserver& observer();
    void showProgress(const UploadProgress& progress);
    // Where the upload ended, without a rate or time left that no longer mean anything.
    void showEnd(int linesSent, int linesTotal);

    QString text() const;
    QProgressBar* bar() const { return m_bar; }

  private:
    class QueuedObserver;

    QLabel* m_label;
    QProgressBar* m_bar;
    std::unique_ptr<QueuedObserver> m_observer;
};

} // namespace merix
