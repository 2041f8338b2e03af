// Whole short runs of the driver on its default machine (a private program
// folder, no desktop, no drives): the script is any bytes, cut to a few
// lines and ticks so that a run takes milliseconds, and without the
// commands that read files of the machine running the fuzzer (file,
// shortcut, answer-file). A first line "# installer" or "# uninstaller" (a
// comment to the driver) runs that program instead of Orvela.
//
// A run ends with status 0 and nothing on stderr, or with status 2 and one
// printable line "orvela-sim: line N: ..." naming a line of the script;
// every line it prints is printable (texts quoted with escapes). Under the
// sanitizers every command reaches the real program's handlers with
// whatever state the lines before left.

#include "fuzz_support.h"
#include "script_lines.h"
#include "script_values.h"
#include "simulator.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace orvela;
using sim::Checked;

// A script short enough to run whole: a few lines and ticks, and no command
// that reads a file of the machine running the fuzzer.
bool runsWhole(const std::vector<std::string>& lines) {
    constexpr std::size_t maxLines = 32;
    constexpr long long maxTicks = 50;
    if (lines.size() > maxLines)
        return false;
    long long ticks = 0;
    for (const std::string& line : lines) {
        const Checked<std::vector<std::string>> words = sim::splitWords(line);
        if (!words || words->empty())
            continue;
        const std::string& command = (*words)[0];
        if (command == "file" || command == "shortcut" || command == "answer-file")
            return false;
        // Any count the driver takes counts; one it refuses ends the run there.
        if (command == "tick")
            ticks += words->size() < 2
                         ? 1
                         : sim::parseWhole((*words)[1], 0, 10'000'000).value.value_or(0);
        if (ticks > maxTicks)
            return false;
    }
    return true;
}

// The driver's arguments: the program the first line names.
std::vector<std::string> programArguments(const std::vector<std::string>& lines) {
    if (!lines.empty() && lines[0] == "# installer")
        return {"--installer"};
    if (!lines.empty() && lines[0] == "# uninstaller")
        return {"--uninstaller"};
    return {};
}

void checkRun(const std::string& script, const std::vector<std::string>& lines) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = sim::runSimulator(programArguments(lines), in, out, err);
    FUZZ_CHECK(status == 0 || status == 2);
    const std::string message = err.str();
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);)
        FUZZ_CHECK(fuzz::isPrintable(line));
    if (status == 0) {
        FUZZ_CHECK(message.empty());
        return;
    }
    // One line: "orvela-sim: line N: ...", N a line of the script.
    FUZZ_CHECK(!message.empty() && message.back() == '\n');
    const std::string line = message.substr(0, message.size() - 1);
    FUZZ_CHECK(fuzz::isPrintable(line));
    const std::string start = "orvela-sim: line ";
    FUZZ_CHECK(line.rfind(start, 0) == 0);
    const std::size_t colon = line.find(':', start.size());
    FUZZ_CHECK(colon != std::string::npos);
    const Checked<long long> n = sim::parseWhole(line.substr(start.size(), colon - start.size()), 1,
                                                 static_cast<long long>(lines.size()));
    FUZZ_CHECK(n.value.has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = fuzz::scriptLines(script);
    if (runsWhole(lines))
        checkRun(script, lines);
    return 0;
}
