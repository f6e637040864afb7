#pragma once

#include <QFrame>

namespace merix {

// The captionless panel shown while the program starts: the icon and the About box's lines.
class SplashPanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplashPanel)

  public:
    explicit SplashPanel(QWidget* parent);
};

} // namespace merix
