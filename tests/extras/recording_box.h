#pragma once

#include <vector>

#include "engine/host.h"

namespace quintrick::test {

// Message boxes that only record what they were asked to show.
class RecordingBox : public IMessageBox {
  public:
    int ShowMessage(int stringId, std::string_view, int style) override {
        shown.push_back(stringId);
        styles.push_back(style);
        return IDOK;
    }
    std::vector<int> shown;
    std::vector<int> styles;
};

}  // namespace quintrick::test
