// The runtime library's linear congruential generator, reproduced exactly so that a deal and
// a computer's declaration depend only on the seed taken from the clock.
#pragma once

#include <cstdint>

namespace quintrick {

class Lcg {
  public:
    explicit Lcg(int seed = 1) { Seed(seed); }
    void Seed(int seed) { m_state = static_cast<std::uint32_t>(seed); }
    // One draw: 0..32767.
    int Rand() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

  private:
    std::uint32_t m_state;
};

}  // namespace quintrick
