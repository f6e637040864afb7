#pragma once

#include "link/ControllerOutput.h"

#include <mutex>
#include <string>

class QListWidget;

namespace merix {

// The "Controller Output" list as the link's output, for a link working on a thread of its
// own: the lines are kept here for the link to read back, and every change reaches the
// widget on the widget's thread, in order, through its event queue. A line longer than
// kLineWidth goes on in the next line, so a controller that never sends a line feed cannot
// build one endless line.
class ControllerOutputList final : public ControllerOutput {
  public:
    static constexpr int kRoom = 5000;
    static constexpr std::size_t kLineWidth = 1000;

    explicit ControllerOutputList(QListWidget* list, int room = kRoom);

    // From any thread.
    bool addLine(const std::string& text) override;
    void replaceLastLine(const std::string& text) override;
    void clear() override;
    std::size_t lineCount() const override;
    std::string lastLine() const override;

  private:
    enum class Change { Add, ReplaceLast, Clear };

    bool add(std::string_view text);
    bool addWrapped(std::string_view rest);
    void post(Change change, std::string_view text = {});

    QListWidget* m_list;
    const int m_room;
    mutable std::mutex m_mutex;
    std::size_t m_count = 0;
    std::string m_last;
};

} // namespace merix
