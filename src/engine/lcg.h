// The runtime library's linear congruential generator, reproduced exactly so that a deal and
// a computer's declaration depend only on the seed taken from the clock.
#pragma once

#include <cstdint>
#include <utility>

namespace quintrick {

class Lcg {
  public:
    explicit Lcg(int seed = 1) { Seed(seed); }
    void Seed(int seed) { m_state = static_cast<std::uint32_t>(seed); }
    // One draw: 0..32767.
    int Rand() {
        m_state = m_state * kMul + kAdd;
        return Draw(m_state);
    }
    // The next two draws. The second state comes straight from the one before both (multiplied
    // by kMul squared, kMul * kAdd + kAdd added), so neither step waits for the other.
    std::pair<int, int> Rand2() {
        const std::uint32_t first = m_state * kMul + kAdd;
        m_state = m_state * (kMul * kMul) + (kMul * kAdd + kAdd);
        return {Draw(first), Draw(m_state)};
    }

  private:
    static constexpr std::uint32_t kMul = 214013u;
    static constexpr std::uint32_t kAdd = 2531011u;
    static int Draw(std::uint32_t state) { return static_cast<int>((state >> 16) & 0x7FFF); }
    std::uint32_t m_state;
};

}  // namespace quintrick
