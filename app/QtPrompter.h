#pragma once

#include "document/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace merix {

// Message boxes: OK to inform, Yes and No to ask (never Cancel).
class QtPrompter final : public Prompter {
  public:
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    void inform(const std::string& text) override;
    bool ask(const std::string& text) override;

  private:
    QWidget* parentWindow() const;
    QPointer<QWidget> m_parent;
};

// The wait cursor over the whole program.
class WaitCursor final : public BusyIndicator {
  public:
    void begin() override;
    void end() override;
};

} // namespace merix
