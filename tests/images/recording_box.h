#pragma once

#include <utility>
#include <vector>

#include "engine/host.h"

namespace quintrick::test {

class RecordingBox : public IMessageBox {
  public:
    int ShowMessage(int stringId, std::string_view, int style) override {
        calls.push_back({stringId, style});
        return IDOK;
    }
    std::vector<std::pair<int, int>> calls;  // string id, style
};

}  // namespace quintrick::test
