// A profile held in memory, for the match runner and tests.
#pragma once

#include <map>
#include <string>
#include <variant>

#include "engine/host.h"

namespace quintrick {

class MemoryProfile : public IProfile {
  public:
    int ReadInt(std::string_view section, std::string_view entry, int def) override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;
    std::string ReadString(std::string_view section, std::string_view entry,
                           std::string_view def) override;
    void WriteString(std::string_view section, std::string_view entry,
                     std::string_view value) override;

    int Writes() const { return m_writes; }

  private:
    static std::string Key(std::string_view section, std::string_view entry);
    std::map<std::string, std::variant<int, std::string>> m_values;
    int m_writes = 0;
};

}  // namespace quintrick
