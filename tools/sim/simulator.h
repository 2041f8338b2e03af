// orvela-sim: runs the real logic of Orvela on the fake platform and answers
// script commands in plain text, one fact a line. See docs/orvela-sim.md.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvela::sim {

// Runs the driver with its command-line arguments (without the program
// name): options, then an optional script file; without one the script is
// read from stdin. Returns the exit status: 0, or 2 after an unknown
// option, command or target (reported on err with the line number).
int runSimulator(const std::vector<std::string>& args, std::istream& stdinScript, std::ostream& out,
                 std::ostream& err);

} // namespace orvela::sim
