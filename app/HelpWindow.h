#pragma once

#include <QWidget>

class QTextBrowser;

namespace merix {

// The help manual, kept in the program's resources, in a window of its own.
class HelpWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)

  public:
    explicit HelpWindow(QWidget* parent);
    // "index.html" for the contents, "using-help.html" for how to use this window.
    void showPage(const QString& page);

  private:
    QTextBrowser* m_browser;
};

} // namespace merix
