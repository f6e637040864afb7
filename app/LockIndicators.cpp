#include "app/LockIndicators.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace merix {

namespace {

// True when any keyboard shows the LED lit (/sys/class/leds/inputN::capslock and the like).
bool ledLit(const QString& suffix) {
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList names =
        leds.entryList({QStringLiteral("*::") + suffix}, QDir::Dirs | QDir::System);
    for (const QString& name : names) {
        QFile f(leds.filePath(name + QStringLiteral("/brightness")));
        if (f.open(QIODevice::ReadOnly) && f.read(8).trimmed().toInt() > 0)
            return true;
    }
    return false;
}

QLabel* pane(QStatusBar* bar, const QString& text) {
    auto* label = new QLabel(text);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
    bar->addPermanentWidget(label);
    return label;
}

} // namespace

LockIndicators::LockIndicators(QStatusBar* bar)
    : QObject(bar), m_caps(pane(bar, QStringLiteral("CAP"))),
      m_num(pane(bar, QStringLiteral("NUM"))), m_scroll(pane(bar, QStringLiteral("SCRL"))) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &LockIndicators::update);
    timer->start(500);
    update();
}

void LockIndicators::update() {
    m_caps->setEnabled(ledLit(QStringLiteral("capslock")));
    m_num->setEnabled(ledLit(QStringLiteral("numlock")));
    m_scroll->setEnabled(ledLit(QStringLiteral("scrolllock")));
}

} // namespace merix
