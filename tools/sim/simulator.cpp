#include "simulator.h"

#include "dump.h"
#include "forms/clock.h"
#include "forms/mouse_router.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shortcut.h"
#include "platform/fake/text_format.h"
#include "platform/fake/utf8_path.h"
#include "sim_programs.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace orvela::sim {

namespace fs = std::filesystem;
using forms::Event;
using forms::EventType;
using platform::fake::FakeMachine;
using platform::fake::FakePlatform;
using platform::fake::quoteText;
using platform::fake::utf8Path;

namespace {

// An error the driver reports with the script's line number, exit status 2.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool parseInt(const std::string& text, long long& value) {
    if (text.empty())
        return false;
    std::size_t used = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

bool parseFloat(const std::string& text, float& value) {
    if (text.empty())
        return false;
    std::size_t used = 0;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

bool parseDate(const std::string& text, forms::DateTime& t) {
    int y, m, d;
    char tail;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 || m < 1 || m > 12 ||
        d < 1 || d > 31)
        return false;
    t.year = y;
    t.month = m;
    t.day = d;
    return true;
}

bool parseTime(const std::string& text, forms::DateTime& t) {
    int h, mi, s;
    char tail;
    if (std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &mi, &s, &tail) != 3 || h < 0 || h > 23 ||
        mi < 0 || mi > 59 || s < 0 || s > 59)
        return false;
    t.hour = h;
    t.minute = mi;
    t.second = s;
    t.millisecond = 0;
    return true;
}

// Splits a script line into words; "double quoted" words may hold blanks.
std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"')
                word += line[i++];
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

class Simulator {
public:
    Simulator(std::ostream& out) : out_(out) {}
    ~Simulator() {
        if (!tempDir_.empty()) {
            std::error_code ec;
            fs::remove_all(tempDir_, ec);
        }
    }

    // Returns false after an unknown option; scriptFile receives a positional argument.
    bool parseOptions(const std::vector<std::string>& args, std::string& scriptFile,
                      std::ostream& err);
    void setUp();
    void runLine(const std::string& line);

private:
    struct Target {
        forms::Form* form = nullptr;
        forms::Control* control = nullptr; // null: the form itself
        std::string property;              // for dump T.Prop
        std::string text;                  // as written
    };

    Target resolve(const std::string& text, bool allowProperty);
    forms::Control& controlTarget(const std::string& text);
    void deliver(const Target& t, EventType type, int button, std::optional<float> x,
                 std::optional<float> y);
    void dump(const std::string& text);
    void printFile(const std::string& path);
    void printShortcut(const std::string& path);
    std::filesystem::path scriptPath(const std::string& path) const;
    void afterCommand();
    int buttonCode(const std::string& word);
    float number(const std::string& word);

    std::ostream& out_;
    FakeMachine machine_;
    forms::DateTime start_{2004, 10, 1, 12, 0, 0, 0};
    std::string tempDir_;
    std::unique_ptr<FakePlatform> fake_;
    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<forms::ManualClock> clock_;
    ProgramKind kind_ = ProgramKind::orvela;
    std::unique_ptr<SimProgram> app_;
    // The pointer over the main window, kept between `at` commands so that a
    // button held by `down` is released by a later `up`.
    std::unique_ptr<forms::MouseRouter> mouse_;
    bool endedReported_ = false;
};

bool Simulator::parseOptions(const std::vector<std::string>& args, std::string& scriptFile,
                             std::ostream& err) {
    bool haveProgramDir = false;
    bool nt = false;
    long long osMajor = 5;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        auto bad = [&](const std::string& why) {
            err << "orvela-sim: " << a << ": " << why << "\n";
            return false;
        };
        if (a == "--screen") {
            auto v = value();
            unsigned w = 0, h = 0;
            char tail;
            if (!v || std::sscanf(v->c_str(), "%ux%u%c", &w, &h, &tail) != 2 || !w || !h)
                return bad("expects WxH");
            machine_.screenWidth = w;
            machine_.screenHeight = h;
        } else if (a == "--display-height") {
            auto v = value();
            long long n = 0;
            if (!v || !parseInt(*v, n) || n < 0)
                return bad("expects a number");
            machine_.displayHeight = static_cast<unsigned>(n);
        } else if (a == "--now") {
            auto v = value();
            forms::DateTime t;
            if (!v || v->size() < 19 || !parseDate(v->substr(0, 10), t) ||
                !parseTime(v->substr(11), t))
                return bad("expects \"YYYY-MM-DD HH:MM:SS\"");
            start_ = t;
        } else if (a == "--program-dir") {
            auto v = value();
            if (!v)
                return bad("expects a folder");
            machine_.programDir = *v;
            haveProgramDir = true;
        } else if (a == "--desktop") {
            auto v = value();
            if (!v)
                return bad("expects a folder");
            machine_.desktop = *v;
        } else if (a == "--special" || a == "--wsh") {
            auto v = value();
            std::size_t eq = v ? v->find('=') : std::string::npos;
            if (eq == std::string::npos)
                return bad("expects KEY=PATH");
            if (a == "--wsh") {
                machine_.wshFolders[v->substr(0, eq)] = v->substr(eq + 1);
            } else {
                long long n = 0;
                if (!parseInt(v->substr(0, eq), n))
                    return bad("expects N=PATH");
                machine_.specialFolders[static_cast<int>(n)] = v->substr(eq + 1);
            }
        } else if (a == "--root") {
            auto v = value();
            if (!v || v->size() < 3 || (*v)[1] != '=' ||
                !std::isalpha(static_cast<unsigned char>((*v)[0])))
                return bad("expects X=DIR");
            machine_
                .driveRoots[static_cast<char>(std::toupper(static_cast<unsigned char>((*v)[0])))] =
                v->substr(2);
        } else if (a == "--os-major") {
            auto v = value();
            if (!v || !parseInt(*v, osMajor) || osMajor < 0 || osMajor > 255)
                return bad("expects a number");
        } else if (a == "--nt") {
            nt = true;
        } else if (a == "--computer" || a == "--user") {
            auto v = value();
            if (!v)
                return bad("expects a name");
            (a == "--computer" ? machine_.computerName : machine_.userName) = *v;
        } else if (a == "--no-computer") {
            machine_.computerName.reset();
        } else if (a == "--no-user") {
            machine_.userName.reset();
        } else if (a == "--drives") {
            auto v = value();
            if (!v)
                return bad("expects \"A:2 C:3 ...\"");
            machine_.driveTypes.clear();
            for (const std::string& d : splitWords(*v)) {
                long long type = 0;
                if (d.size() < 3 || d[1] != ':' || !parseInt(d.substr(2), type) ||
                    !std::isalpha(static_cast<unsigned char>(d[0])))
                    return bad("expects \"A:2 C:3 ...\"");
                machine_.driveTypes[static_cast<char>(std::toupper(d[0]))] =
                    static_cast<unsigned>(type);
            }
        } else if (a == "--recycle") {
            auto v = value();
            std::size_t colon = v ? v->find(':') : std::string::npos;
            long long count = 0, bytes = 0;
            if (colon == std::string::npos || !parseInt(v->substr(0, colon), count) ||
                !parseInt(v->substr(colon + 1), bytes))
                return bad("expects COUNT:BYTES");
            machine_.recycleItems = count;
            machine_.recycleBytes = bytes;
        } else if (a == "--short-date") {
            auto v = value();
            if (!v)
                return bad("expects a date picture such as M/d/yyyy");
            machine_.shortDatePicture = *v;
        } else if (a == "--file-times") {
            auto v = value();
            forms::DateTime t;
            if (!v || v->size() < 19 || !parseDate(v->substr(0, 10), t) ||
                !parseTime(v->substr(11), t))
                return bad("expects \"YYYY-MM-DD HH:MM:SS\"");
            // FILETIME: 100 ns steps since 1601-01-01, which lies 134774 days before 1970.
            const std::int64_t days = forms::daysFromCivil(t.year, t.month, t.day) + 134774;
            machine_.fileTime =
                static_cast<std::uint64_t>(((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second) *
                10000000ULL;
        } else if (a == "--type") {
            auto v = value();
            std::size_t eq = v ? v->find('=') : std::string::npos;
            if (eq == std::string::npos || eq == 0)
                return bad("expects EXT=NAME");
            std::string ext = v->substr(0, eq);
            for (char& c : ext)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            machine_.typeNames[ext] = v->substr(eq + 1);
        } else if (a == "--installer" || a == "--uninstaller") {
            kind_ = a == "--installer" ? ProgramKind::installer : ProgramKind::uninstaller;
            machine_.programName = a == "--installer" ? "install" : "Uninstall";
        } else if (a == "--another-instance") {
            machine_.anotherInstance = true;
        } else if (a.rfind("--", 0) == 0) {
            return bad("unknown option");
        } else if (scriptFile.empty()) {
            scriptFile = a;
        } else {
            return bad("only one script file");
        }
    }
    machine_.osMajor = static_cast<unsigned>(osMajor);
    machine_.ntFamily = osMajor >= 5 || nt;
    if (machine_.ntFamily) {
        machine_.osMinor = osMajor == 5 ? 1 : 0;
        machine_.osBuild = osMajor == 5 ? 2600 : osMajor == 4 ? 1381 : 6000;
    } else {
        machine_.osMinor = 10;
        machine_.osBuild = 2222;
    }
    if (!haveProgramDir) {
        // A private, empty program folder that disappears with the driver.
        std::random_device entropy;
        for (int attempt = 0; attempt < 100 && tempDir_.empty(); ++attempt) {
            std::error_code tempError;
            fs::path candidate =
                fs::temp_directory_path(tempError) / ("orvela-sim-" + std::to_string(entropy()));
            std::error_code ec;
            if (fs::create_directory(candidate, ec))
                tempDir_ = candidate.string();
        }
        if (tempDir_.empty()) {
            err << "orvela-sim: cannot create a program folder\n";
            return false;
        }
        machine_.programDir = tempDir_;
    }
    return true;
}

void Simulator::setUp() {
    fake_ = std::make_unique<FakePlatform>(machine_);
    platform_ = std::make_unique<platform::Platform>(fake_->platform());
    clock_ = std::make_unique<forms::ManualClock>(start_);
    app_ = makeProgram(kind_, *fake_, *platform_, *clock_,
                       static_cast<float>(machine_.screenWidth) * 15.0f,
                       static_cast<float>(machine_.screenHeight) * 15.0f);
}

float Simulator::number(const std::string& word) {
    float v = 0;
    if (!parseFloat(word, v))
        throw ScriptError("not a number: " + word);
    return v;
}

int Simulator::buttonCode(const std::string& word) {
    if (word == "left")
        return forms::leftButton;
    if (word == "right")
        return forms::rightButton;
    if (word == "middle")
        return forms::middleButton;
    throw ScriptError("unknown button: " + word + " (left, right or middle)");
}

Simulator::Target Simulator::resolve(const std::string& text, bool allowProperty) {
    Target t;
    t.text = text;
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t dot; (dot = text.find('.', start)) != std::string::npos; start = dot + 1)
        parts.push_back(text.substr(start, dot - start));
    parts.push_back(text.substr(start));
    t.form = app_->runtime().findForm(parts[0]);
    if (!t.form)
        throw ScriptError("unknown form: " + parts[0]);
    if (parts.size() == 1)
        return t;
    // A property may itself hold dots (Item(1).Text of a list view).
    if (parts.size() > 3 && allowProperty) {
        for (std::size_t i = 3; i < parts.size(); ++i)
            parts[2] += "." + parts[i];
        parts.resize(3);
    }
    if (parts.size() > 3 || (parts.size() == 3 && !allowProperty))
        throw ScriptError("unknown target: " + text);

    std::string name = parts[1];
    int index = -1;
    if (std::size_t open = name.find('('); open != std::string::npos) {
        long long i = 0;
        if (name.back() != ')' || !parseInt(name.substr(open + 1, name.size() - open - 2), i))
            throw ScriptError("unknown target: " + text);
        index = static_cast<int>(i);
        name = name.substr(0, open);
    }
    if (parts.size() == 2 && allowProperty && index < 0) {
        for (const auto& [prop, value] : formProperties(*t.form))
            if (prop == name) {
                t.property = name;
                return t;
            }
    }
    if (!t.form->loaded())
        return t; // the caller reports "not loaded" or refuses the target
    t.control = t.form->find(name, index);
    if (!t.control)
        throw ScriptError("unknown target: " + text);
    if (parts.size() == 3)
        t.property = parts[2];
    return t;
}

forms::Control& Simulator::controlTarget(const std::string& text) {
    Target t = resolve(text, false);
    if (!t.form->loaded())
        throw ScriptError(t.form->name() + ": not loaded");
    if (!t.control)
        throw ScriptError("not a control: " + text);
    return *t.control;
}

void Simulator::deliver(const Target& t, EventType type, int button, std::optional<float> x,
                        std::optional<float> y) {
    if (!t.form->loaded())
        throw ScriptError(t.form->name() + ": not loaded");
    Event e{type};
    e.button = button;
    float w = t.control ? t.control->width() : t.form->width();
    float h = t.control ? t.control->height() : t.form->height();
    e.x = x.value_or(w / 2);
    e.y = y.value_or(h / 2);
    t.form->dispatch(t.control, e);
}

void Simulator::dump(const std::string& text) {
    if (text == "DesktopItemTable") {
        if (!app_->desktopItems())
            throw ScriptError("this program has no desktop item table");
        const desktopitems::DesktopItemTable& table = *app_->desktopItems();
        for (int slot = 1; slot <= desktopitems::DesktopItemTable::slotCount; ++slot) {
            if (!table.filled(slot))
                continue;
            for (int field = 1; field <= desktopitems::DesktopItemTable::fieldCount; ++field)
                out_ << "DesktopItemTable(" << slot << "," << field << ") = "
                     << quoteText(table.get(static_cast<desktopitems::ItemField>(field), slot))
                     << "\n";
        }
        return;
    }
    Target t = resolve(text, true);
    const std::string& formName = t.form->name();
    if (!t.form->loaded()) {
        out_ << formName << ": not loaded\n";
        return;
    }
    auto printList = [&](const std::string& prefix, const PropertyList& list,
                         const std::string& only) {
        bool found = false;
        for (const auto& [prop, value] : list) {
            if (!only.empty() && prop != only)
                continue;
            out_ << prefix << "." << prop << " = " << value << "\n";
            found = true;
        }
        if (!found && !only.empty())
            throw ScriptError("unknown property: " + text);
    };
    if (!t.control) {
        printList(formName, formProperties(*t.form), t.property);
        if (t.property.empty())
            for (const auto& c : t.form->controls())
                printList(formName + "." + c->qualifiedName(), controlProperties(*c), "");
        return;
    }
    printList(formName + "." + t.control->qualifiedName(), controlProperties(*t.control),
              t.property);
}

// A path as the script names it: a drive path through the drive roots, a
// relative one in the program folder.
fs::path Simulator::scriptPath(const std::string& path) const {
    if (path.size() >= 2 && path[1] == ':')
        return fake_->hostPath(path).value_or(fs::path());
    fs::path p = utf8Path(path);
    if (p.is_relative())
        p = utf8Path(machine_.programDir) / p;
    return p;
}

void Simulator::printShortcut(const std::string& path) {
    std::ifstream in(scriptPath(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const auto shortcut = in ? platform::fake::parseShortcut(bytes.str()) : std::nullopt;
    if (!shortcut) {
        out_ << "Shortcut: none\n";
        return;
    }
    out_ << "Shortcut.TargetPath = " << quoteText(shortcut->targetPath) << "\n"
         << "Shortcut.WorkingDirectory = " << quoteText(shortcut->workingDirectory) << "\n"
         << "Shortcut.HotKey = " << quoteText(shortcut->hotKey) << "\n"
         << "Shortcut.WindowStyle = " << shortcut->windowStyle << "\n"
         << "Shortcut.IconLocation = " << quoteText(shortcut->iconLocation) << "\n"
         << "Shortcut.Description = " << quoteText(shortcut->description) << "\n";
}

void Simulator::printFile(const std::string& path) {
    const fs::path p = scriptPath(path);
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        out_ << "file " << path << ": missing\n";
        return;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    out_ << "file " << path << " = " << quoteText(bytes.str()) << "\n";
}

void Simulator::afterCommand() {
    if (!endedReported_ && app_->ended()) {
        out_ << "ended\n";
        endedReported_ = true;
        for (const std::string& line : app_->afterExit())
            out_ << line << "\n";
    }
}

void Simulator::runLine(const std::string& rawLine) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::vector<std::string> w = splitWords(line);
    if (w.empty() || w[0][0] == '#')
        return;
    const std::string& cmd = w[0];
    auto need = [&](std::size_t min, std::size_t max) {
        if (w.size() < min || w.size() > max)
            throw ScriptError("wrong number of arguments for " + cmd);
    };
    auto optionalPoint = [&](std::size_t at, std::optional<float>& x, std::optional<float>& y) {
        if (w.size() == at + 2) {
            x = number(w[at]);
            y = number(w[at + 1]);
        } else if (w.size() != at) {
            throw ScriptError("expects X and Y together");
        }
    };

    if (cmd == "start") {
        need(1, 1);
        app_->start();
    } else if (cmd == "tick") {
        need(1, 2);
        long long n = 1;
        if (w.size() == 2 && (!parseInt(w[1], n) || n < 0))
            throw ScriptError("tick expects a count");
        for (long long i = 0; i < n && !app_->ended(); ++i) {
            clock_->advanceMilliseconds(100);
            app_->runtime().advance(100);
        }
    } else if (cmd == "time" || cmd == "date") {
        need(2, 2);
        forms::DateTime t = clock_->now();
        if (!(cmd == "time" ? parseTime(w[1], t) : parseDate(w[1], t)))
            throw ScriptError("bad " + cmd + ": " + w[1]);
        clock_->set(t);
    } else if (cmd == "move" || cmd == "click" || cmd == "dblclick") {
        need(2, cmd == "move" ? 4 : 2);
        std::optional<float> x, y;
        optionalPoint(2, x, y);
        EventType type = cmd == "move"    ? EventType::MouseMove
                         : cmd == "click" ? EventType::Click
                                          : EventType::DblClick;
        deliver(resolve(w[1], false), type, forms::noButton, x, y);
    } else if (cmd == "up") {
        need(3, 5);
        std::optional<float> x, y;
        optionalPoint(3, x, y);
        deliver(resolve(w[1], false), EventType::MouseUp, buttonCode(w[2]), x, y);
    } else if (cmd == "at") {
        need(4, 5);
        forms::Form* main = app_->runtime().findForm("Form2");
        if (!main)
            throw ScriptError("at: this program has no main window Form2");
        if (!main->loaded())
            throw ScriptError("Form2: not loaded");
        if (!mouse_)
            mouse_ = std::make_unique<forms::MouseRouter>(*main);
        const float x = number(w[1]), y = number(w[2]);
        if (w[3] == "move" && w.size() == 4)
            mouse_->move(x, y, mouse_->held());
        else if (w[3] == "down" && w.size() == 5)
            mouse_->press(buttonCode(w[4]), x, y);
        else if (w[3] == "up" && w.size() == 5)
            mouse_->release(buttonCode(w[4]), x, y);
        else if (w[3] == "click" && w.size() == 4)
            mouse_->click(forms::leftButton, x, y);
        else if (w[3] == "dblclick" && w.size() == 4)
            mouse_->doubleClickGesture(x, y);
        else
            throw ScriptError("at X Y expects move, down BUTTON, up BUTTON, click or dblclick");
    } else if (cmd == "press") {
        need(2, 2);
        forms::Control& c = controlTarget(w[1]);
        c.form().dispatch(&c, Event{EventType::Click});
    } else if (cmd == "select") {
        need(3, 3);
        forms::Control& c = controlTarget(w[1]);
        long long i = 0;
        if (!parseInt(w[2], i) || i < 0 || i >= static_cast<long long>(c.items().size()))
            throw ScriptError("no entry " + w[2] + " in " + w[1]);
        c.setListIndex(static_cast<int>(i));
        c.form().dispatch(&c, Event{EventType::Click});
    } else if (cmd == "type") {
        need(3, 3);
        controlTarget(w[1]).setText(w[2]);
    } else if (cmd == "tab") {
        need(3, 3);
        forms::Control& c = controlTarget(w[1]);
        int found = -1;
        for (std::size_t i = 0; i < c.items().size(); ++i)
            if (c.items()[i] == w[2])
                found = static_cast<int>(i);
        if (found < 0)
            throw ScriptError("no tab " + w[2] + " in " + w[1]);
        c.setListIndex(found);
        c.form().dispatch(&c, Event{EventType::Click});
    } else if (cmd == "answer-file") {
        need(2, 2);
        // A relative name is a file of the program folder.
        const bool relative = utf8Path(w[1]).is_relative() && (w[1].size() < 2 || w[1][1] != ':');
        fake_->machine().fileAnswers.emplace_back(relative ? machine_.programDir + "/" + w[1]
                                                           : w[1]);
    } else if (cmd == "answer-no" || cmd == "answer-yes") {
        need(1, 1);
        fake_->machine().messageAnswers.push_back(cmd == "answer-no" ? platform::idNo
                                                                     : platform::idYes);
    } else if (cmd == "shortcut") {
        need(2, 2);
        printShortcut(w[1]);
    } else if (cmd == "answer-folder") {
        need(2, 2);
        fake_->machine().folderAnswers.emplace_back(w[1]);
    } else if (cmd == "answer-cancel") {
        need(1, 1);
        fake_->machine().folderAnswers.emplace_back(std::nullopt);
    } else if (cmd == "column") {
        need(3, 3);
        forms::Control& c = controlTarget(w[1]);
        long long n = 0;
        if (c.kind() != forms::ControlKind::ListView || !parseInt(w[2], n) || n < 1 ||
            n > static_cast<long long>(c.items().size()))
            throw ScriptError("no column " + w[2] + " in " + w[1]);
        Event e{EventType::ColumnClick};
        e.column = static_cast<int>(n);
        c.form().dispatch(&c, e);
    } else if (cmd == "menu") {
        need(2, 2);
        forms::Control& c = controlTarget(w[1]);
        if (c.kind() != forms::ControlKind::Menu)
            throw ScriptError("not a menu entry: " + w[1]);
        c.form().dispatch(&c, Event{EventType::Click});
    } else if (cmd == "dump") {
        need(2, 2);
        dump(w[1]);
    } else if (cmd == "calls") {
        need(1, 1);
        for (const std::string& call : fake_->takeCalls())
            out_ << call << "\n";
    } else if (cmd == "file") {
        need(2, 2);
        printFile(w[1]);
    } else {
        throw ScriptError("unknown command: " + cmd);
    }
    afterCommand();
}

} // namespace

int runSimulator(const std::vector<std::string>& args, std::istream& stdinScript, std::ostream& out,
                 std::ostream& err) {
    Simulator sim(out);
    std::string scriptFile;
    if (!sim.parseOptions(args, scriptFile, err))
        return 2;
    std::ifstream file;
    std::istream* script = &stdinScript;
    if (!scriptFile.empty()) {
        file.open(utf8Path(scriptFile), std::ios::binary);
        if (!file) {
            err << "orvela-sim: cannot read " << scriptFile << "\n";
            return 2;
        }
        script = &file;
    }
    sim.setUp();
    std::string line;
    int lineNumber = 0;
    while (std::getline(*script, line)) {
        ++lineNumber;
        try {
            sim.runLine(line);
        } catch (const std::exception& e) {
            out.flush();
            err << "orvela-sim: line " << lineNumber << ": " << e.what() << "\n";
            return 2;
        }
    }
    return 0;
}

} // namespace orvela::sim
