// Command-line helpers of the project's tools.
#pragma once

#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace quintrick {

// A decimal integer that is the whole of `text` and lies in low..high.
inline std::optional<int> ParseInt(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// Prints the problem and the usage text; returns the exit status of bad arguments, 2.
inline int Usage(std::string_view tool, std::string_view problem, std::string_view usage) {
    std::cerr << tool << ": " << problem << '\n' << usage;
    return 2;
}

}  // namespace quintrick
