#include "app/SplashPanel.h"

#include "app/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace merix {

SplashPanel::SplashPanel(QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(350, 105);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto* icon = new QLabel;
    icon->setPixmap(programIcon(32));
    auto* lines = new QVBoxLayout;
    for (const QString& line : aboutLines())
        lines->addWidget(new QLabel(line));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addSpacing(10);
    layout->addLayout(lines, 1);
}

} // namespace merix
