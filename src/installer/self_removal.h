// A running program cannot delete its own file on Windows: this removes it,
// and then its folder if that is empty, once the program has ended.
#pragma once

#include <string>

namespace orvela::installer {

class SelfRemoval {
public:
    virtual ~SelfRemoval() = default;
    // Arranges the removal of file and then of folder (only if empty; no
    // folder when it is the empty text) after the program ends. False when
    // it cannot be arranged: both then stay.
    virtual bool removeAfterExit(const std::string& file, const std::string& folder) = 0;
};

} // namespace orvela::installer
