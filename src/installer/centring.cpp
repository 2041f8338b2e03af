#include "installer/centring.h"

#include <cmath>

namespace orvela::installer {

float centredOffset(float screenSize, float windowSize) {
    const long long difference = std::llrint(static_cast<double>(screenSize - windowSize));
    return static_cast<float>(difference / 2);
}

} // namespace orvela::installer
