#pragma once

#include "document/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace merix::test {

// Records every message box; questions take their answers from a queue (No when empty).
class RecordingPrompter : public Prompter {
public:
    struct Box {
        bool question;
        std::string text;
    };
    std::vector<Box> boxes;
    std::deque<bool> answers;

    void inform(const std::string& text) override { boxes.push_back({false, text}); }
    bool ask(const std::string& text) override
    {
        boxes.push_back({true, text});
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& b : boxes)
            out.push_back(b.text);
        return out;
    }
};

class CountingBusy : public BusyIndicator {
public:
    int depth = 0;
    int shown = 0;
    void begin() override { ++depth; ++shown; }
    void end() override { --depth; }
};

} // namespace merix::test
