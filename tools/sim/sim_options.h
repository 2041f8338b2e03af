// The driver's command-line options, one row each: its name, the syntax of
// its value, one line of help and what it sets up. The same table parses the
// command line and prints it in `orvela-sim --help`.
#pragma once

#include "forms/clock.h"
#include "platform/fake/fake_platform.h"
#include "sim_programs.h"

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace orvela::sim {

// The simulated machine and program the options describe.
struct SimSetup {
    platform::fake::FakeMachine machine;
    forms::DateTime start{2004, 10, 1, 12, 0, 0, 0};
    ProgramKind kind = ProgramKind::orvela;
    bool programDirGiven = false;
    bool helpAsked = false;
    long long osMajor = 5;
    bool nt = false;
};

struct OptionRow {
    const char* name;   // "--screen"
    const char* syntax; // of the value; empty for an option without one
    const char* help;
    // Applies the option; value is null when the option takes none or the
    // command line ends before it. Returns why the value is refused, or
    // the empty text.
    std::string (*apply)(SimSetup& setup, const std::string* value);
};

std::span<const OptionRow> optionTable();

// Parses the options and an optional script file into setup. False after
// an unknown option or a malformed value, which is reported on err
// ("orvela-sim: --os-major: \"256\" is not a whole number from 0 to 255").
bool parseOptions(const std::vector<std::string>& args, SimSetup& setup, std::string& scriptFile,
                  std::ostream& err);

} // namespace orvela::sim
