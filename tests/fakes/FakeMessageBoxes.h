#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace qx::test {

// Records every box shown; questions take their answers from a queue (No when empty).
class FakeMessageBoxes : public IMessageBoxes {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskQuestion(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }

    std::vector<std::string> messages, questions, errors;
    std::deque<bool> answers;
};

}  // namespace qx::test
