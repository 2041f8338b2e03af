#include "simulator.h"

#include "dump.h"
#include "forms/clock.h"
#include "forms/dialog_keys.h"
#include "forms/mouse_router.h"
#include "forms/user_input.h"
#include "help_text.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shortcut.h"
#include "platform/fake/text_format.h"
#include "platform/fake/utf8_path.h"
#include "script_values.h"
#include "sim_options.h"
#include "sim_programs.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <span>
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

using Words = std::vector<std::string>;

// Coordinates in twips, far beyond any screen, so that sums of them stay finite.
constexpr float maxCoordinate = 1e9f;
// The index of a control in a control array.
constexpr long long maxIndex = 32767;
// Ticks in one `tick` command: 10,000,000 ticks are 11.6 days of the clock.
constexpr long long maxTicks = 10'000'000;

class Simulator;

// A script command: its name, the syntax of its arguments, one line of help,
// the number of words a line of it has (the command included) and what it
// does. The same table runs the script and prints `orvela-sim --help`.
struct CommandRow {
    const char* name;
    const char* syntax;
    const char* help;
    std::size_t minWords, maxWords;
    void (Simulator::*run)(const Words& words);
};

class Simulator {
public:
    Simulator(std::ostream& out) : out_(out) {}
    ~Simulator() {
        if (!tempDir_.empty()) {
            std::error_code ec;
            fs::remove_all(tempDir_, ec);
        }
    }

    // Takes the machine the options describe; without a program folder, a
    // private empty one is made (false when that fails).
    bool configure(const SimSetup& setup, std::ostream& err);
    void setUp();
    void runLine(const std::string& line);

    // Every command, in the order --help lists them.
    static std::span<const CommandRow> commands();

private:
    static const CommandRow commandTable[];

    struct Target {
        forms::Form* form = nullptr;
        forms::Control* control = nullptr; // null: the form itself
        std::string property;              // for dump T.Prop
        std::string text;                  // as written
    };

    Target resolve(const std::string& text, bool allowProperty);
    forms::Control& controlTarget(const std::string& text);
    // Fails the line when the user could not do it (a hidden or disabled control).
    static void userCould(forms::Refusal refusal, const char* verb, const std::string& target);
    void deliver(const Target& t, EventType type, int button, std::optional<float> x,
                 std::optional<float> y);
    void dump(const std::string& text);
    void printFile(const std::string& path);
    void printShortcut(const std::string& path);
    std::filesystem::path scriptPath(const std::string& path) const;
    void afterCommand();
    int buttonCode(const std::string& word);
    float number(const std::string& word);
    void optionalPoint(const Words& w, std::size_t at, std::optional<float>& x,
                       std::optional<float>& y);

    // The commands, one each (some serve two names).
    void start(const Words& w);
    void restart(const Words& w);
    void tick(const Words& w);
    void display(const Words& w);
    void setClock(const Words& w);
    void clockChanged(const Words& w);
    void visibility(const Words& w);
    void event(const Words& w);
    void up(const Words& w);
    void at(const Words& w);
    void press(const Words& w);
    void select(const Words& w);
    void type(const Words& w);
    void tab(const Words& w);
    void key(const Words& w);
    void answerFile(const Words& w);
    void answerMessage(const Words& w);
    void answerFolder(const Words& w);
    void answerCancel(const Words& w);
    void shortcut(const Words& w);
    void column(const Words& w);
    void menu(const Words& w);
    void dumpCommand(const Words& w);
    void calls(const Words& w);
    void file(const Words& w);

    std::ostream& out_;
    FakeMachine machine_;
    forms::DateTime start_;
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

bool Simulator::configure(const SimSetup& setup, std::ostream& err) {
    machine_ = setup.machine;
    start_ = setup.start;
    kind_ = setup.kind;
    if (!setup.programDirGiven) {
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
    const Checked<float> v = parseDecimal(word, -maxCoordinate, maxCoordinate);
    if (!v)
        throw ScriptError("coordinate " + v.why);
    return *v;
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
        if (name.back() != ')')
            throw ScriptError("unknown target: " + text);
        const Checked<long long> i = parseWhole(
            std::string_view(name).substr(open + 1, name.size() - open - 2), 0, maxIndex);
        if (!i)
            throw ScriptError("unknown target: " + text + ": the index " + i.why);
        index = static_cast<int>(*i);
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

void Simulator::optionalPoint(const Words& w, std::size_t at, std::optional<float>& x,
                              std::optional<float>& y) {
    if (w.size() == at + 2) {
        x = number(w[at]);
        y = number(w[at + 1]);
    } else if (w.size() != at) {
        throw ScriptError("expects X and Y together");
    }
}

void Simulator::userCould(forms::Refusal refusal, const char* verb, const std::string& target) {
    if (refusal != forms::Refusal::none)
        throw ScriptError(std::string("cannot ") + verb + " " + target + ": " +
                          forms::refusalText(refusal));
}

void Simulator::start(const Words&) {
    app_->start();
}

void Simulator::restart(const Words&) {
    // A new run on the machine the options describe: the files stay, the
    // clock goes on from where it is.
    start_ = clock_->now();
    mouse_.reset();
    app_.reset();
    setUp();
    endedReported_ = false;
}

void Simulator::tick(const Words& w) {
    long long n = 1;
    if (w.size() == 2) {
        const Checked<long long> count = parseWhole(w[1], 0, maxTicks);
        if (!count)
            throw ScriptError("tick expects a count: " + count.why);
        n = *count;
    }
    for (long long i = 0; i < n && !app_->ended(); ++i) {
        clock_->advanceMilliseconds(100);
        app_->runtime().advance(100);
    }
}

void Simulator::display(const Words& w) {
    const Checked<ScreenSize> size = parseScreenSize(w[1]);
    if (!size)
        throw ScriptError("display expects WxH: " + size.why);
    unsigned dpi = 0;
    if (w.size() > 2) {
        const Checked<long long> n = parseWhole(w[2], 72, 480);
        if (!n)
            throw ScriptError("display expects a dpi: " + n.why);
        dpi = static_cast<unsigned>(*n);
    }
    // The machine's screen changes, so its display-mode query answers the
    // new size; then the program hears of it as from WM_DISPLAYCHANGE, or
    // with a dpi as from WM_DPICHANGED.
    fake_->machine().screenWidth = size->width;
    fake_->machine().screenHeight = size->height;
    if (dpi != 0)
        fake_->machine().dpi = static_cast<int>(dpi);
    app_->displayChanged(size->width, size->height, dpi);
}

void Simulator::setClock(const Words& w) {
    const std::string& cmd = w[0];
    const Checked<forms::DateTime> t =
        cmd == "time" ? parseTime(w[1], clock_->now()) : parseDate(w[1], clock_->now());
    if (!t)
        throw ScriptError("bad " + cmd + ": " + t.why);
    clock_->set(*t);
}

void Simulator::clockChanged(const Words&) {
    app_->clockChanged();
}

void Simulator::visibility(const Words& w) {
    static const std::pair<const char*, shell::HiddenReason> reasons[] = {
        {"minimized", shell::HiddenReason::minimized},
        {"covered", shell::HiddenReason::covered},
        {"locked", shell::HiddenReason::locked},
        {"display-off", shell::HiddenReason::displayOff}};
    for (const auto& [name, reason] : reasons)
        if (w[1] == name) {
            if (w[0] == "hide")
                app_->hideDesktop(reason);
            else
                app_->showDesktop(reason);
            return;
        }
    throw ScriptError("unknown reason: " + w[1] + " (minimized, covered, locked or display-off)");
}

void Simulator::event(const Words& w) {
    const std::string& cmd = w[0];
    std::optional<float> x, y;
    optionalPoint(w, 2, x, y);
    EventType type = cmd == "move"    ? EventType::MouseMove
                     : cmd == "click" ? EventType::Click
                                      : EventType::DblClick;
    deliver(resolve(w[1], false), type, forms::noButton, x, y);
}

void Simulator::up(const Words& w) {
    std::optional<float> x, y;
    optionalPoint(w, 3, x, y);
    deliver(resolve(w[1], false), EventType::MouseUp, buttonCode(w[2]), x, y);
}

void Simulator::at(const Words& w) {
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
}

void Simulator::press(const Words& w) {
    forms::Control& c = controlTarget(w[1]);
    userCould(forms::UserInput(c.form()).press(c), "press", w[1]);
}

void Simulator::select(const Words& w) {
    forms::Control& c = controlTarget(w[1]);
    const Checked<long long> i = parseWhole(w[2], 0, maxIndex);
    if (!i || *i >= static_cast<long long>(c.items().size()))
        throw ScriptError("no entry " + w[2] + " in " + w[1]);
    userCould(forms::UserInput(c.form()).select(c, static_cast<int>(*i)), "select in", w[1]);
}

void Simulator::type(const Words& w) {
    forms::Control& c = controlTarget(w[1]);
    userCould(forms::UserInput(c.form()).type(c, w[2]), "type into", w[1]);
}

void Simulator::tab(const Words& w) {
    forms::Control& c = controlTarget(w[1]);
    int found = -1;
    for (std::size_t i = 0; i < c.items().size(); ++i)
        if (c.items()[i] == w[2])
            found = static_cast<int>(i);
    if (found < 0)
        throw ScriptError("no tab " + w[2] + " in " + w[1]);
    userCould(forms::UserInput(c.form()).pickTab(c, found), "pick a tab of", w[1]);
}

void Simulator::key(const Words& w) {
    const Target t = resolve(w[1], false);
    if (t.control)
        throw ScriptError("key expects a form: " + w[1]);
    if (!t.form->loaded())
        throw ScriptError(t.form->name() + ": not loaded");
    if (!t.form->dialog())
        throw ScriptError("not a dialog: " + w[1]);
    if (!t.form->visible())
        throw ScriptError(t.form->name() + ": not shown");
    forms::DialogKeys keys(*t.form);
    if (w[2] == "enter")
        keys.enter({}); // the driver's dialogs have no focus: the default button
    else if (w[2] == "escape" || w[2] == "close")
        keys.cancel();
    else if (w[2] == "ctrl+tab" || w[2] == "ctrl+shift+tab")
        keys.stepTab(w[2] == "ctrl+tab" ? 1 : -1);
    else
        throw ScriptError("unknown key: " + w[2] + " (enter, escape, close, ctrl+tab or " +
                          "ctrl+shift+tab)");
}

void Simulator::answerFile(const Words& w) {
    // A relative name is a file of the program folder.
    const bool relative = utf8Path(w[1]).is_relative() && (w[1].size() < 2 || w[1][1] != ':');
    fake_->machine().fileAnswers.emplace_back(relative ? machine_.programDir + "/" + w[1] : w[1]);
}

void Simulator::answerMessage(const Words& w) {
    fake_->machine().messageAnswers.push_back(w[0] == "answer-no" ? platform::idNo
                                                                  : platform::idYes);
}

void Simulator::answerFolder(const Words& w) {
    fake_->machine().folderAnswers.emplace_back(w[1]);
}

void Simulator::answerCancel(const Words&) {
    fake_->machine().folderAnswers.emplace_back(std::nullopt);
}

void Simulator::shortcut(const Words& w) {
    printShortcut(w[1]);
}

void Simulator::column(const Words& w) {
    forms::Control& c = controlTarget(w[1]);
    const Checked<long long> n = parseWhole(w[2], 1, maxIndex);
    if (c.kind() != forms::ControlKind::ListView || !n ||
        *n > static_cast<long long>(c.items().size()))
        throw ScriptError("no column " + w[2] + " in " + w[1]);
    Event e{EventType::ColumnClick};
    e.column = static_cast<int>(*n);
    c.form().dispatch(&c, e);
}

void Simulator::menu(const Words& w) {
    forms::Control& c = controlTarget(w[1]);
    if (c.kind() != forms::ControlKind::Menu)
        throw ScriptError("not a menu entry: " + w[1]);
    c.form().dispatch(&c, Event{EventType::Click});
}

void Simulator::dumpCommand(const Words& w) {
    dump(w[1]);
}

void Simulator::calls(const Words&) {
    for (const std::string& call : fake_->takeCalls())
        out_ << call << "\n";
}

void Simulator::file(const Words& w) {
    printFile(w[1]);
}

const CommandRow Simulator::commandTable[] = {
    {"start", "", "run the program's start-up", 1, 1, &Simulator::start},
    {"restart", "", "a new run of the program on the same files (then start)", 1, 1,
     &Simulator::restart},
    {"tick", "[N]", "N timer ticks (1), the clock advancing 100 ms each", 1, 2, &Simulator::tick},
    {"display", "WxH [DPI]",
     "the screen becomes W x H pixels (at DPI, 72 to 480) while the program runs", 2, 3,
     &Simulator::display},
    {"time", "HH:MM:SS", "set the clock's time", 2, 2, &Simulator::setClock},
    {"date", "YYYY-MM-DD", "set the clock's date", 2, 2, &Simulator::setClock},
    {"clock-changed", "", "tell the program the clock was set or the machine woke from sleep", 1, 1,
     &Simulator::clockChanged},
    {"hide", "REASON", "nobody can see the desktop: minimized, covered, locked or display-off", 2,
     2, &Simulator::visibility},
    {"show", "REASON", "the desktop can be seen again for that reason (minimized, ...)", 2, 2,
     &Simulator::visibility},
    {"move", "T [X Y]", "MouseMove to T, no button (X Y relative to T; its centre)", 2, 4,
     &Simulator::event},
    {"up", "T BUTTON [X Y]", "MouseUp to T with BUTTON left, right or middle", 3, 5,
     &Simulator::up},
    {"click", "T", "Click to T", 2, 2, &Simulator::event},
    {"dblclick", "T", "DblClick to T", 2, 2, &Simulator::event},
    {"at", "X Y move|down B|up B|click|dblclick",
     "the pointer at X Y of Form2 (twips), through hit-testing", 4, 5, &Simulator::at},
    {"press", "T", "its Click, as a user could (not hidden or disabled)", 2, 2, &Simulator::press},
    {"select", "T INDEX", "pick entry INDEX of a combo box as a user, then its Click", 3, 3,
     &Simulator::select},
    {"type", "T TEXT", "type TEXT into a text box as a user", 3, 3, &Simulator::type},
    {"tab", "T CAPTION", "pick the tab with that caption as a user, then its Click", 3, 3,
     &Simulator::tab},
    {"key", "FORM KEY", "enter, escape, close, ctrl+tab, ctrl+shift+tab to a dialog", 3, 3,
     &Simulator::key},
    {"answer-file", "PATH", "what the next file-open dialog returns", 2, 2, &Simulator::answerFile},
    {"answer-folder", "PATH", "what the next folder picker returns", 2, 2,
     &Simulator::answerFolder},
    {"answer-cancel", "", "the next folder picker is cancelled", 1, 1, &Simulator::answerCancel},
    {"answer-no", "", "the next Yes/No message box is answered No", 1, 1,
     &Simulator::answerMessage},
    {"answer-yes", "", "the next Yes/No message box is answered Yes", 1, 1,
     &Simulator::answerMessage},
    {"shortcut", "PATH", "the fields of the shortcut file at PATH", 2, 2, &Simulator::shortcut},
    {"column", "T N", "click header N (from 1) of list view T", 3, 3, &Simulator::column},
    {"menu", "T", "choose menu entry T", 2, 2, &Simulator::menu},
    {"dump", "T[.Prop]", "every property of T, or one; a form's also every control's", 2, 2,
     &Simulator::dumpCommand},
    {"calls", "", "the platform calls recorded since the last calls", 1, 1, &Simulator::calls},
    {"file", "PATH", "the file's bytes", 2, 2, &Simulator::file},
};

std::span<const CommandRow> Simulator::commands() {
    return commandTable;
}

void Simulator::runLine(const std::string& line) {
    if (line.find('\0') != std::string::npos)
        throw ScriptError("a NUL byte in the line: " + quoteValue(line));
    // A comment is a line whose first character after blanks is '#'; a
    // quoted "#x" is a word.
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#')
        return;
    const Checked<Words> words = splitWords(line);
    if (!words)
        throw ScriptError(words.why);
    const Words& w = *words;
    const std::string& cmd = w[0];
    const CommandRow* row = nullptr;
    for (const CommandRow& r : commands())
        if (cmd == r.name)
            row = &r;
    if (!row)
        throw ScriptError("unknown command: " + cmd);
    if (w.size() < row->minWords || w.size() > row->maxWords)
        throw ScriptError("wrong number of arguments for " + cmd);
    (this->*row->run)(w);
    afterCommand();
}

void printHelp(std::ostream& out) {
    out << "usage: orvela-sim [OPTIONS] [SCRIPT-FILE]\n"
           "Runs Orvela, its installer or its uninstaller on a simulated machine and answers\n"
           "the script (SCRIPT-FILE, or stdin without one) in plain text, one fact a line.\n"
           "\n"
           "Options:\n";
    printHelpRows(out, optionTable());
    out << "\n"
           "Commands, one a line (# starts a comment; \"double quotes\" hold blanks; T is\n"
           "Form, Form.Control or Form.Control(i)):\n";
    printHelpRows(out, Simulator::commands());
    out << "\n"
           "An unknown option, command or target, or input a user could not give (a hidden\n"
           "or disabled control), is an error on stderr with the line number; exit status 2.\n";
}

} // namespace

int runSimulator(const std::vector<std::string>& args, std::istream& stdinScript, std::ostream& out,
                 std::ostream& err) {
    SimSetup setup;
    std::string scriptFile;
    if (!parseOptions(args, setup, scriptFile, err))
        return 2;
    if (setup.helpAsked) {
        printHelp(out);
        return 0;
    }
    Simulator sim(out);
    if (!sim.configure(setup, err))
        return 2;
    std::ifstream file;
    std::istream* script = &stdinScript;
    if (!scriptFile.empty()) {
        file.open(utf8Path(scriptFile), std::ios::binary);
        if (!file) {
            err << printable("orvela-sim: cannot read " + scriptFile) << "\n";
            return 2;
        }
        script = &file;
    }
    sim.setUp();
    std::string text;
    int lineNumber = 0;
    while (std::getline(*script, text)) {
        for (const std::string& line : splitAtCarriageReturns(text)) {
            ++lineNumber;
            try {
                sim.runLine(line);
            } catch (const std::exception& e) {
                out.flush();
                err << printable("orvela-sim: line " + std::to_string(lineNumber) + ": " + e.what())
                    << "\n";
                return 2;
            }
        }
    }
    return 0;
}

} // namespace orvela::sim
