#include "screens/UploadProgressView.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPointer>
#include <QProgressBar>

namespace merix {

namespace {

// Often enough to watch, seldom enough that a fast controller does not flood the window.
constexpr qint64 kShowSpacingMs = 100;

} // namespace

// Passes progress on to the view's thread, at most every kShowSpacingMs and always the first
// and the last line.
class UploadProgressView::QueuedObserver final : public UploadObserver {
  public:
    explicit QueuedObserver(UploadProgressView* view) : m_view(view) { m_clock.start(); }

    void progress(const UploadProgress& p) override {
        const bool edge = p.linesSent == 0 || p.linesSent == p.linesTotal;
        if (!edge && m_clock.elapsed() - m_lastMs < kShowSpacingMs)
            return;
        m_lastMs = m_clock.elapsed();
        QPointer<UploadProgressView> view = m_view;
        QMetaObject::invokeMethod(
            m_view,
            [view, p] {
                if (view)
                    view->showProgress(p);
            },
            Qt::QueuedConnection);
    }

  private:
    UploadProgressView* m_view;
    QElapsedTimer m_clock;
    qint64 m_lastMs = -kShowSpacingMs;
};

UploadProgressView::UploadProgressView(QWidget* parent)
    : QWidget(parent), m_label(new QLabel(this)), m_bar(new QProgressBar(this)),
      m_observer(std::make_unique<QueuedObserver>(this)) {
    m_bar->setRange(0, 1);
    m_bar->setValue(0);
    m_bar->setFixedWidth(160);
    m_bar->setAccessibleName(QStringLiteral("Upload progress"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_label, 1);
    row->addWidget(m_bar);
    // Nothing to show before the first upload.
    setVisible(false);
}

UploadProgressView::~UploadProgressView() = default;

UploadObserver& UploadProgressView::observer() {
    return *m_observer;
}

void UploadProgressView::showProgress(const UploadProgress& progress) {
    setVisible(true);
    m_label->setText(QString::fromStdString(progressText(progress)));
    m_bar->setRange(0, std::max(progress.linesTotal, 1));
    m_bar->setValue(progress.linesTotal > 0 ? progress.linesSent : 1);
}

void UploadProgressView::showEnd(int linesSent, int linesTotal) {
    showProgress(UploadProgress{linesSent, linesTotal});
}

QString UploadProgressView::text() const {
    return m_label->text();
}

} // namespace merix
