// The uniform generator of the forms runtime: a 24-bit linear congruential
// sequence written out here, so that every platform and every start gives the
// same numbers in [0, 1).
#pragma once

#include <cstdint>

namespace orvela::forms {

class UniformRandom {
public:
    static constexpr std::uint32_t defaultSeed = 0x50000;

    explicit UniformRandom(std::uint32_t seed = defaultSeed) : state_(seed & mask) {}

    // The next number of the sequence, in [0, 1).
    float next() {
        state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & mask;
        return static_cast<float>(state_) / static_cast<float>(mask + 1);
    }

private:
    static constexpr std::uint32_t mask = 0xFFFFFF;
    std::uint32_t state_;
};

} // namespace orvela::forms
