// An in-memory profile and a message box that records its calls, for the conquest tests.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/host.h"

namespace quintrick::test {

class MemoryProfile : public IProfile {
  public:
    int ReadInt(std::string_view section, std::string_view entry, int def) override {
        const auto it = ints.find(Key(section, entry));
        return it == ints.end() ? def : it->second;
    }
    void WriteInt(std::string_view section, std::string_view entry, int value) override {
        ints[Key(section, entry)] = value;
        ++writes;
    }
    std::string ReadString(std::string_view section, std::string_view entry,
                           std::string_view def) override {
        const auto it = strings.find(Key(section, entry));
        return it == strings.end() ? std::string(def) : it->second;
    }
    void WriteString(std::string_view section, std::string_view entry,
                     std::string_view value) override {
        strings[Key(section, entry)] = std::string(value);
        ++writes;
    }

    static std::string Key(std::string_view section, std::string_view entry) {
        return std::string(section) + "/" + std::string(entry);
    }

    std::map<std::string, int> ints;
    std::map<std::string, std::string> strings;
    int writes = 0;
};

class RecordingBox : public IMessageBox {
  public:
    explicit RecordingBox(int answer = IDYES) : answer_(answer) {}
    int ShowMessage(int stringId, std::string_view prefix, int style) override {
        calls.push_back({stringId, style});
        (void)prefix;
        return answer_;
    }
    std::vector<std::pair<int, int>> calls;  // string id, style

  private:
    int answer_;
};

}  // namespace quintrick::test
