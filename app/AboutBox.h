#pragma once

#include <QDialog>
#include <QStringList>

namespace merix {

// The three lines the About box and the splash panel share, and the program icon.
QStringList aboutLines();
QPixmap programIcon(int size);

class AboutBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

  public:
    explicit AboutBox(QWidget* parent);
};

} // namespace merix
