#include "memory_profile.h"

#include <charconv>

namespace quintrick {

int ProfileTextToInt(std::string_view text, int def) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return def;
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.starts_with('+')) text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return def;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (error != std::errc() || end != text.data() + text.size()) return def;
    return value;
}

std::string MemoryProfile::Key(std::string_view section, std::string_view entry) {
    std::string key(section);
    key += '/';
    key += entry;
    return key;
}

int MemoryProfile::ReadInt(std::string_view section, std::string_view entry, int def) {
    const auto it = m_values.find(Key(section, entry));
    return it == m_values.end() ? def : ProfileTextToInt(it->second, def);
}

void MemoryProfile::WriteInt(std::string_view section, std::string_view entry, int value) {
    m_values[Key(section, entry)] = std::to_string(value);
    ++m_writes;
}

std::string MemoryProfile::ReadString(std::string_view section, std::string_view entry,
                                      std::string_view def) {
    const auto it = m_values.find(Key(section, entry));
    return it == m_values.end() ? std::string(def) : it->second;
}

void MemoryProfile::WriteString(std::string_view section, std::string_view entry,
                                std::string_view value) {
    m_values[Key(section, entry)] = std::string(value);
    ++m_writes;
}

bool MemoryProfile::Has(std::string_view section, std::string_view entry) const {
    return m_values.contains(Key(section, entry));
}

}  // namespace quintrick
