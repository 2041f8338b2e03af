// The driver's command line: any arguments are either accepted, giving a
// machine within every documented range, or refused with one printable
// line on stderr naming the argument, before anything runs.
//
// The input is the argument list, arguments separated by NUL bytes (which
// no argument can hold).

#include "forms/clock.h"
#include "fuzz_support.h"
#include "platform/fake/utf8_path.h"
#include "script_values.h"
#include "sim_options.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace orvela;

bool dateExists(int year, int month, int day) {
    int y = 0, m = 0, d = 0;
    forms::civilFromDays(forms::daysFromCivil(year, month, day), y, m, d);
    return month >= 1 && month <= 12 && day >= 1 && y == year && m == month && d == day;
}

void checkAccepted(const std::vector<std::string>& args, const sim::SimSetup& s,
                   const std::string& scriptFile) {
    const platform::fake::FakeMachine& m = s.machine;
    FUZZ_CHECK(m.screenWidth >= 1 && m.screenWidth <= 32767);
    FUZZ_CHECK(m.screenHeight >= 1 && m.screenHeight <= 32767);
    FUZZ_CHECK(!m.displayHeight || *m.displayHeight <= 32767);
    FUZZ_CHECK(m.dpi >= 72 && m.dpi <= 480);
    FUZZ_CHECK(s.osMajor >= 0 && s.osMajor <= 255 && m.osMajor == s.osMajor);
    FUZZ_CHECK(m.ntFamily == (s.osMajor >= 5 || s.nt));

    const forms::DateTime& t = s.start;
    FUZZ_CHECK(t.year >= sim::firstYear && t.year <= sim::lastYear);
    FUZZ_CHECK(dateExists(t.year, t.month, t.day));
    FUZZ_CHECK(t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59);
    FUZZ_CHECK(t.second >= 0 && t.second <= 59 && t.millisecond == 0);
    // A FILETIME Windows converts: below 2^63.
    FUZZ_CHECK(!m.fileTime ||
               *m.fileTime <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));

    for (const auto& [letter, type] : m.driveTypes)
        FUZZ_CHECK(letter >= 'A' && letter <= 'Z' && type <= 6);
    for (const auto& [letter, dir] : m.driveRoots)
        FUZZ_CHECK(letter >= 'A' && letter <= 'Z');
    for (const auto& [number, path] : m.specialFolders)
        FUZZ_CHECK(number >= 0 && number <= 255);
    for (const auto& [ext, name] : m.typeNames)
        for (char c : ext)
            FUZZ_CHECK(c < 'A' || c > 'Z');
    FUZZ_CHECK(m.recycleItems >= 0 && m.recycleBytes >= 0);
    for (const std::string& folder : m.protectedFolders)
        FUZZ_CHECK(!folder.empty());
    // The program and application-data folders are real folders, never "".
    if (s.programDirGiven) {
        std::error_code ec;
        FUZZ_CHECK(!m.programDir.empty());
        FUZZ_CHECK(std::filesystem::is_directory(platform::fake::utf8Path(m.programDir), ec));
    }
    if (m.appDataDir)
        FUZZ_CHECK(!m.appDataDir->empty());
    // The script file is an argument that is no option.
    if (!scriptFile.empty()) {
        FUZZ_CHECK(scriptFile.rfind("--", 0) != 0);
        FUZZ_CHECK(std::find(args.begin(), args.end(), scriptFile) != args.end());
    }
}

void checkRefused(const std::vector<std::string>& args, const std::string& message) {
    const std::string start = "orvela-sim: ";
    FUZZ_CHECK(message.size() > start.size() + 1 && message.rfind(start, 0) == 0);
    FUZZ_CHECK(message.back() == '\n');
    const std::string line = message.substr(0, message.size() - 1);
    FUZZ_CHECK(fuzz::isPrintable(line));
    // It names one of the arguments, as printed.
    bool named = false;
    for (const std::string& a : args)
        named = named || line.rfind(sim::printable(start + a + ": "), 0) == 0;
    FUZZ_CHECK(named);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    std::string arg;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(arg);
            arg.clear();
        } else {
            arg += static_cast<char>(data[i]);
        }
    }
    if (size > 0)
        args.push_back(arg);

    sim::SimSetup setup;
    std::string scriptFile;
    std::ostringstream err;
    const bool accepted = sim::parseOptions(args, setup, scriptFile, err);
    if (accepted) {
        FUZZ_CHECK(err.str().empty());
        checkAccepted(args, setup, scriptFile);
    } else {
        checkRefused(args, err.str());
    }
    return 0;
}
