#pragma once

#include <string>
#include <string_view>

#include "host.h"

namespace quintrick {

// A profile that keeps nothing: every read gives its default and writes are dropped. For the
// hosts that play a game no player sees (the search's worlds, a replayed game).
class CNullProfile final : public IProfile {
  public:
    int ReadInt(std::string_view, std::string_view, int def) override { return def; }
    void WriteInt(std::string_view, std::string_view, int) override {}
    std::string ReadString(std::string_view, std::string_view, std::string_view def) override {
        return std::string(def);
    }
    void WriteString(std::string_view, std::string_view, std::string_view) override {}
};

}  // namespace quintrick
