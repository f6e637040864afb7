#pragma once

#include "link/ControllerOutput.h"

class QListWidget;

namespace merix {

// The "Controller Output" list as the link's output. The link blocks the event loop while it
// works, so every change is painted on the spot instead of waiting for the loop.
class ControllerOutputList final : public ControllerOutput {
  public:
    static constexpr int kRoom = 5000;

    explicit ControllerOutputList(QListWidget* list, int room = kRoom);

    bool addLine(const std::string& text) override;
    void replaceLastLine(const std::string& text) override;
    void clear() override;
    std::size_t lineCount() const override;
    std::string lastLine() const override;

  private:
    void showLastLine();

    QListWidget* m_list;
    int m_room;
};

} // namespace merix
