#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace qx::test {

// Records every box shown; questions take their answers from a queue (No when empty).
class FakeMessageBoxes : public IMessageBoxes {
public:
    void ShowMessage(const std::string& text) override {
        messages.push_back(text);
        if (whileShown) whileShown();
    }
    bool AskQuestion(const std::string& text) override {
        questions.push_back(text);
        if (whileShown) whileShown();
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }

    std::vector<std::string> messages, questions, errors;
    std::deque<bool> answers;
    // Runs while a message or question is up, as the box's own message loop would.
    std::function<void()> whileShown;
};

}  // namespace qx::test
