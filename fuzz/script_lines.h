// The lines of a script as the driver reads it, for the targets that feed
// the driver scripts.
#pragma once

#include "script_values.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace orvela::fuzz {

// Up to each LF, then at each CR. Each LF-ended text and the lines it gave
// go to seen, if given (a target checks the split there).
inline std::vector<std::string> scriptLines(
    const std::string& script,
    const std::function<void(const std::string&, const std::vector<std::string>&)>& seen = {}) {
    std::vector<std::string> lines;
    std::istringstream in(script);
    std::string text;
    while (std::getline(in, text)) {
        const std::vector<std::string> parts = sim::splitAtCarriageReturns(text);
        if (seen)
            seen(text, parts);
        lines.insert(lines.end(), parts.begin(), parts.end());
    }
    return lines;
}

} // namespace orvela::fuzz
