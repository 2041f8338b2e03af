#include "sim_options.h"

#include "platform/fake/utf8_path.h"
#include "script_values.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <ostream>

namespace orvela::sim {

namespace {

using Why = std::string;

// Screen sides and display heights in pixels, as GDI coordinates hold them.
constexpr long long maxPixels = 32767;
// Special folder numbers (CSIDL values) and Windows major versions.
constexpr long long maxByte = 255;
// Drive types, DRIVE_UNKNOWN (0) to DRIVE_RAMDISK (6).
constexpr long long maxDriveType = 6;
constexpr long long maxInt64 = std::numeric_limits<std::int64_t>::max();

Why screen(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects WxH";
    const Checked<ScreenSize> size = parseScreenSize(*v);
    if (!size)
        return size.why;
    s.machine.screenWidth = size->width;
    s.machine.screenHeight = size->height;
    return {};
}

Why displayHeight(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a number";
    const Checked<long long> n = parseWhole(*v, 0, maxPixels);
    if (!n)
        return n.why;
    s.machine.displayHeight = static_cast<unsigned>(*n);
    return {};
}

// Windows' scaling from 75 % to 500 %.
constexpr long long minDpi = 72, maxDpi = 480;

Why dpi(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a number";
    const Checked<long long> n = parseWhole(*v, minDpi, maxDpi);
    if (!n)
        return n.why;
    s.machine.dpi = static_cast<int>(*n);
    return {};
}

Why now(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects \"YYYY-MM-DD HH:MM:SS\"";
    const Checked<forms::DateTime> t = parseDateTime(*v);
    if (!t)
        return t.why;
    s.start = *t;
    return {};
}

Why programDir(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a folder";
    if (v->empty())
        return "expects a folder, not the empty text";
    std::error_code ec;
    if (!std::filesystem::is_directory(platform::fake::utf8Path(*v), ec))
        return quoteValue(*v) + " is not a folder that exists";
    s.machine.programDir = *v;
    s.programDirGiven = true;
    return {};
}

Why readOnlyProgramDir(SimSetup& s, const std::string*) {
    s.machine.readOnlyProgramDir = true;
    return {};
}

Why appData(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a folder";
    if (v->empty())
        return "expects a folder, not the empty text";
    std::error_code ec;
    if (!std::filesystem::is_directory(platform::fake::utf8Path(*v), ec))
        return quoteValue(*v) + " is not a folder that exists";
    s.machine.appDataDir = *v;
    return {};
}

Why desktop(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a folder";
    s.machine.desktop = *v;
    return {};
}

Why special(SimSetup& s, const std::string* v) {
    const std::size_t eq = v ? v->find('=') : std::string::npos;
    if (eq == std::string::npos)
        return "expects N=PATH";
    const Checked<long long> n = parseWhole(std::string_view(*v).substr(0, eq), 0, maxByte);
    if (!n)
        return "expects N=PATH: " + n.why;
    s.machine.specialFolders[static_cast<int>(*n)] = v->substr(eq + 1);
    return {};
}

Why wsh(SimSetup& s, const std::string* v) {
    const std::size_t eq = v ? v->find('=') : std::string::npos;
    if (eq == std::string::npos)
        return "expects KEY=PATH";
    s.machine.wshFolders[v->substr(0, eq)] = v->substr(eq + 1);
    return {};
}

Why root(SimSetup& s, const std::string* v) {
    if (!v || v->size() < 3 || (*v)[1] != '=' || !std::isalpha(static_cast<unsigned char>((*v)[0])))
        return "expects X=DIR";
    s.machine.driveRoots[static_cast<char>(std::toupper(static_cast<unsigned char>((*v)[0])))] =
        v->substr(2);
    return {};
}

Why protectedFolder(SimSetup& s, const std::string* v) {
    if (!v || v->empty())
        return "expects a folder such as D:\\Program Files";
    s.machine.protectedFolders.push_back(*v);
    return {};
}

Why osMajor(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a number";
    const Checked<long long> n = parseWhole(*v, 0, maxByte);
    if (!n)
        return n.why;
    s.osMajor = *n;
    return {};
}

Why nt(SimSetup& s, const std::string*) {
    s.nt = true;
    return {};
}

Why computer(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a name";
    s.machine.computerName = *v;
    return {};
}

Why user(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a name";
    s.machine.userName = *v;
    return {};
}

Why noComputer(SimSetup& s, const std::string*) {
    s.machine.computerName.reset();
    return {};
}

Why noUser(SimSetup& s, const std::string*) {
    s.machine.userName.reset();
    return {};
}

Why drives(SimSetup& s, const std::string* v) {
    const char* syntax = "expects \"A:2 C:3 ...\"";
    if (!v)
        return syntax;
    const Checked<std::vector<std::string>> words = splitWords(*v);
    if (!words)
        return std::string(syntax) + ": " + words.why;
    s.machine.driveTypes.clear();
    for (const std::string& d : *words) {
        const char letter =
            d.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(d[0])));
        if (d.size() < 3 || d[1] != ':' || letter < 'A' || letter > 'Z')
            return std::string(syntax) + ": " + quoteValue(d) + " is not a drive letter, a colon" +
                   " and a type";
        const Checked<long long> type = parseWhole(std::string_view(d).substr(2), 0, maxDriveType);
        if (!type)
            return std::string(syntax) + ": the type of " + d.substr(0, 2) + " " + type.why;
        s.machine.driveTypes[letter] = static_cast<unsigned>(*type);
    }
    return {};
}

Why recycle(SimSetup& s, const std::string* v) {
    const std::size_t colon = v ? v->find(':') : std::string::npos;
    if (colon == std::string::npos)
        return "expects COUNT:BYTES";
    const Checked<long long> count = parseWhole(std::string_view(*v).substr(0, colon), 0, maxInt64);
    if (!count)
        return "expects COUNT:BYTES: " + count.why;
    const Checked<long long> bytes =
        parseWhole(std::string_view(*v).substr(colon + 1), 0, maxInt64);
    if (!bytes)
        return "expects COUNT:BYTES: " + bytes.why;
    s.machine.recycleItems = *count;
    s.machine.recycleBytes = *bytes;
    return {};
}

Why anotherInstance(SimSetup& s, const std::string*) {
    s.machine.anotherInstance = true;
    return {};
}

Why installer(SimSetup& s, const std::string*) {
    s.kind = ProgramKind::installer;
    s.machine.programName = "install";
    return {};
}

Why uninstaller(SimSetup& s, const std::string*) {
    s.kind = ProgramKind::uninstaller;
    s.machine.programName = "Uninstall";
    return {};
}

Why typeName(SimSetup& s, const std::string* v) {
    const std::size_t eq = v ? v->find('=') : std::string::npos;
    if (eq == std::string::npos || eq == 0)
        return "expects EXT=NAME";
    std::string ext = v->substr(0, eq);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    s.machine.typeNames[ext] = v->substr(eq + 1);
    return {};
}

Why fileTimes(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects \"YYYY-MM-DD HH:MM:SS\"";
    const Checked<forms::DateTime> checked = parseDateTime(*v);
    if (!checked)
        return checked.why;
    const forms::DateTime& t = *checked;
    // FILETIME: 100 ns steps since 1601-01-01, which lies 134774 days before 1970.
    const std::int64_t days = forms::daysFromCivil(t.year, t.month, t.day) + 134774;
    s.machine.fileTime =
        static_cast<std::uint64_t>(((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second) *
        10000000ULL;
    return {};
}

Why shortDate(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a date picture such as M/d/yyyy";
    s.machine.shortDatePicture = *v;
    return {};
}

Why help(SimSetup& s, const std::string*) {
    s.helpAsked = true;
    return {};
}

constexpr std::array options{
    OptionRow{"--screen", "WxH", "screen in pixels; the display-mode query reports H (1024x768)",
              screen},
    OptionRow{"--display-height", "N",
              "the display-mode query reports N instead (0: the query fails)", displayHeight},
    OptionRow{"--dpi", "N",
              "the display's dots per inch, 72 to 480 (96); dialogs and item icons follow it", dpi},
    OptionRow{"--now", "\"YYYY-MM-DD HH:MM:SS\"",
              "the clock at start (2004-10-01 12:00:00); a tick adds 100 ms", now},
    OptionRow{"--program-dir", "DIR",
              "a real folder used as the program folder (a new temporary one)", programDir},
    OptionRow{"--read-only-program-dir", "",
              "the program folder refuses every write (create, write, delete)", readOnlyProgramDir},
    OptionRow{"--appdata", "DIR", "a real folder used as the user's application data (none)",
              appData},
    OptionRow{"--desktop", "DIR", "the folder WScript.Shell reports as Desktop (none: no scan)",
              desktop},
    OptionRow{"--special", "N=PATH", "special folder N resolves to PATH (5 Documents, 38 ...)",
              special},
    OptionRow{"--wsh", "KEY=DIR", "the scripting shell's special folder KEY (Desktop, StartUp...)",
              wsh},
    OptionRow{"--root", "X=DIR", "drive X: is the real folder DIR for every file operation", root},
    OptionRow{"--protected", "D:\\PATH",
              "creating, writing or deleting in that folder or below is refused (access denied)",
              protectedFolder},
    OptionRow{"--os-major", "N", "Windows major version (5; 4 is the 9x family unless --nt)",
              osMajor},
    OptionRow{"--nt", "", "NT family with major version 4", nt},
    OptionRow{"--computer", "NAME", "the computer name (ORVELA)", computer},
    OptionRow{"--user", "NAME", "the user name (me)", user},
    OptionRow{"--no-computer", "", "the computer name lookup fails", noComputer},
    OptionRow{"--no-user", "", "the user name lookup fails", noUser},
    OptionRow{"--drives", "\"A:2 C:3 ...\"", "drive types by letter; others report 1 (C:3)",
              drives},
    OptionRow{"--recycle", "COUNT:BYTES", "recycle bin contents; emptying sets both to 0 (0:0)",
              recycle},
    OptionRow{"--short-date", "PATTERN", "the user's short date picture (M/d/yyyy)", shortDate},
    OptionRow{"--file-times", "\"YYYY-MM-DD HH:MM:SS\"",
              "the creation time of every found file (its last write time)", fileTimes},
    OptionRow{"--type", "EXT=NAME", "the shell's type name of files with that extension", typeName},
    OptionRow{"--installer", "", "run the installer install.exe instead of Orvela", installer},
    OptionRow{"--uninstaller", "", "run the uninstaller Uninstall.exe instead of Orvela",
              uninstaller},
    OptionRow{"--another-instance", "", "another instance is already running", anotherInstance},
    OptionRow{"--help", "", "print this help and exit", help},
};

} // namespace

std::span<const OptionRow> optionTable() {
    return options;
}

bool parseOptions(const std::vector<std::string>& args, SimSetup& setup, std::string& scriptFile,
                  std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const OptionRow* row = nullptr;
        for (const OptionRow& r : options)
            if (a == r.name)
                row = &r;
        Why why;
        if (row) {
            const std::string* value = nullptr;
            if (*row->syntax && i + 1 < args.size())
                value = &args[++i];
            why = row->apply(setup, value);
        } else if (a.rfind("--", 0) == 0) {
            why = "unknown option";
        } else if (scriptFile.empty()) {
            scriptFile = a;
        } else {
            why = "only one script file";
        }
        if (!why.empty()) {
            err << printable("orvela-sim: " + a + ": " + why) << "\n";
            return false;
        }
    }
    platform::fake::FakeMachine& m = setup.machine;
    m.osMajor = static_cast<unsigned>(setup.osMajor);
    m.ntFamily = setup.osMajor >= 5 || setup.nt;
    if (m.ntFamily) {
        m.osMinor = setup.osMajor == 5 ? 1 : 0;
        m.osBuild = setup.osMajor == 5 ? 2600 : setup.osMajor == 4 ? 1381 : 6000;
    } else {
        m.osMinor = 10;
        m.osBuild = 2222;
    }
    return true;
}

} // namespace orvela::sim
