// A profile held in memory, for the match runner and the tests. It keeps one text per entry the
// way the real profile file does: an int written reads back as its decimal text, and a text
// reads as an int when it is a decimal 32-bit number (blanks around it allowed), else as the
// default.
#pragma once

#include <map>
#include <string>

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

    // Whether the entry was ever written.
    bool Has(std::string_view section, std::string_view entry) const;
    // Writes so far.
    int Writes() const { return m_writes; }

  private:
    static std::string Key(std::string_view section, std::string_view entry);
    std::map<std::string, std::string, std::less<>> m_values;
    int m_writes = 0;
};

// A stored text as an int: surrounding blanks are allowed, anything else that is not a decimal
// 32-bit number gives `def`.
int ProfileTextToInt(std::string_view text, int def);

}  // namespace quintrick
