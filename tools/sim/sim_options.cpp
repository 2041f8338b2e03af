#include "sim_options.h"

#include "script_values.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <ostream>

namespace orvela::sim {

namespace {

using Why = std::string;

Why screen(SimSetup& s, const std::string* v) {
    unsigned w = 0, h = 0;
    char tail;
    if (!v || std::sscanf(v->c_str(), "%ux%u%c", &w, &h, &tail) != 2 || !w || !h)
        return "expects WxH";
    s.machine.screenWidth = w;
    s.machine.screenHeight = h;
    return {};
}

Why displayHeight(SimSetup& s, const std::string* v) {
    long long n = 0;
    if (!v || !parseInt(*v, n) || n < 0)
        return "expects a number";
    s.machine.displayHeight = static_cast<unsigned>(n);
    return {};
}

Why now(SimSetup& s, const std::string* v) {
    forms::DateTime t;
    if (!v || !parseDateTime(*v, t))
        return "expects \"YYYY-MM-DD HH:MM:SS\"";
    s.start = t;
    return {};
}

Why programDir(SimSetup& s, const std::string* v) {
    if (!v)
        return "expects a folder";
    s.machine.programDir = *v;
    s.programDirGiven = true;
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
        return "expects KEY=PATH";
    long long n = 0;
    if (!parseInt(v->substr(0, eq), n))
        return "expects N=PATH";
    s.machine.specialFolders[static_cast<int>(n)] = v->substr(eq + 1);
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

Why osMajor(SimSetup& s, const std::string* v) {
    if (!v || !parseInt(*v, s.osMajor) || s.osMajor < 0 || s.osMajor > 255)
        return "expects a number";
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
    if (!v)
        return "expects \"A:2 C:3 ...\"";
    s.machine.driveTypes.clear();
    for (const std::string& d : splitWords(*v)) {
        long long type = 0;
        if (d.size() < 3 || d[1] != ':' || !parseInt(d.substr(2), type) ||
            !std::isalpha(static_cast<unsigned char>(d[0])))
            return "expects \"A:2 C:3 ...\"";
        s.machine.driveTypes[static_cast<char>(std::toupper(d[0]))] = static_cast<unsigned>(type);
    }
    return {};
}

Why recycle(SimSetup& s, const std::string* v) {
    const std::size_t colon = v ? v->find(':') : std::string::npos;
    long long count = 0, bytes = 0;
    if (colon == std::string::npos || !parseInt(v->substr(0, colon), count) ||
        !parseInt(v->substr(colon + 1), bytes))
        return "expects COUNT:BYTES";
    s.machine.recycleItems = count;
    s.machine.recycleBytes = bytes;
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
    forms::DateTime t;
    if (!v || !parseDateTime(*v, t))
        return "expects \"YYYY-MM-DD HH:MM:SS\"";
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
    OptionRow{"--now", "\"YYYY-MM-DD HH:MM:SS\"",
              "the clock at start (2004-10-01 12:00:00); a tick adds 100 ms", now},
    OptionRow{"--program-dir", "DIR",
              "a real folder used as the program folder (a new temporary one)", programDir},
    OptionRow{"--desktop", "DIR", "the folder WScript.Shell reports as Desktop (none: no scan)",
              desktop},
    OptionRow{"--special", "N=PATH", "special folder N resolves to PATH (5 Documents, 38 ...)",
              special},
    OptionRow{"--wsh", "KEY=DIR", "the scripting shell's special folder KEY (Desktop, StartUp...)",
              wsh},
    OptionRow{"--root", "X=DIR", "drive X: is the real folder DIR for every file operation", root},
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
            err << "orvela-sim: " << a << ": " << why << "\n";
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
