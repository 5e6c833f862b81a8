// Message boxes for the tests: every box is recorded (string id, style, prefix) and answered
// like a real one: an information or error box with OK, a question with the answer set for its
// string id, else with the default answer.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/host.h"

namespace quintrick::test {

class RecordingBox : public IMessageBox {
  public:
    explicit RecordingBox(int answer = IDYES) : m_answer(answer) {}

    int ShowMessage(int stringId, std::string_view prefix, int style) override {
        calls.push_back({stringId, style});
        prefixes.push_back(std::string(prefix));
        if (onQuestion) onQuestion(stringId);
        const auto it = answers.find(stringId);
        if (it != answers.end()) return it->second;
        return style == kStyleQuestion ? m_answer : IDOK;
    }

    // The string ids shown, in order.
    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const auto& call : calls) ids.push_back(call.first);
        return ids;
    }
    // The styles shown, in order.
    std::vector<int> Styles() const {
        std::vector<int> styles;
        for (const auto& call : calls) styles.push_back(call.second);
        return styles;
    }
    void Clear() {
        calls.clear();
        prefixes.clear();
    }

    std::vector<std::pair<int, int>> calls;  // string id, style
    std::vector<std::string> prefixes;
    std::map<int, int> answers;           // string id -> answer
    std::function<void(int)> onQuestion;  // called with the string id before answering

  private:
    int m_answer;
};

}  // namespace quintrick::test
