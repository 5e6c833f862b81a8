#include "memory_profile.h"

namespace quintrick {

std::string MemoryProfile::Key(std::string_view section, std::string_view entry) {
    std::string key(section);
    key += '/';
    key += entry;
    return key;
}

int MemoryProfile::ReadInt(std::string_view section, std::string_view entry, int def) {
    const auto it = m_values.find(Key(section, entry));
    if (it == m_values.end()) return def;
    if (const int* value = std::get_if<int>(&it->second)) return *value;
    return def;
}

void MemoryProfile::WriteInt(std::string_view section, std::string_view entry, int value) {
    m_values[Key(section, entry)] = value;
    ++m_writes;
}

std::string MemoryProfile::ReadString(std::string_view section, std::string_view entry,
                                      std::string_view def) {
    const auto it = m_values.find(Key(section, entry));
    if (it == m_values.end()) return std::string(def);
    if (const std::string* value = std::get_if<std::string>(&it->second)) return *value;
    return std::string(def);
}

void MemoryProfile::WriteString(std::string_view section, std::string_view entry,
                                std::string_view value) {
    m_values[Key(section, entry)] = std::string(value);
    ++m_writes;
}

}  // namespace quintrick
