// The Windows service wrappers on the recording fake: names, special
// folders, the recycle-bin text, HiWord, and the exact calls of switching
// off and restarting on each Windows family.

#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"
#include "shell/form2_design.h"
#include "shell/orvela_app.h"
#include "shell/system_info.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace orvela;
using platform::fake::FakeMachine;
using platform::fake::FakePlatform;
using Calls = std::vector<std::string>;

// The main window and the wrappers on a fake machine.
struct Rig {
    explicit Rig(FakeMachine machine = {}) : fake(std::move(machine)) {}
    FakePlatform fake;
    platform::Platform platform = fake.platform();
    forms::ManualClock clock;
    forms::Runtime runtime{clock, 15360, 11520};
    forms::Form& form2 = runtime.addForm(shell::form2Design());
    shell::SystemInfo info{platform, form2};

    forms::Control& control(const char* name) { return form2.touch().control(name); }
};

// The fake's shell, except that no identifier list converts to a path.
class NoPathFromIdList : public platform::ShellServices {
public:
    explicit NoPathFromIdList(FakePlatform& inner) : inner_(inner) {}
    std::intptr_t shellExecute(platform::WindowHandle w, const std::string& op,
                               const std::string& file, const std::string& params,
                               const std::string& dir, int show) override {
        return inner_.shellExecute(w, op, file, params, dir, show);
    }
    std::int32_t emptyRecycleBin(platform::WindowHandle w, const std::string& root,
                                 unsigned flags) override {
        return inner_.emptyRecycleBin(w, root, flags);
    }
    std::int32_t queryRecycleBin(const std::string& root,
                                 platform::RecycleBinInfo& info) override {
        return inner_.queryRecycleBin(root, info);
    }
    std::int32_t getSpecialFolderLocation(platform::WindowHandle owner, int folder,
                                          platform::ItemIdList& list) override {
        return inner_.getSpecialFolderLocation(owner, folder, list);
    }
    bool getPathFromIdList(platform::ItemIdList, std::string&) override { return false; }
    void releaseIdList(platform::ItemIdList list) override { inner_.releaseIdList(list); }

private:
    FakePlatform& inner_;
};

TEST(SystemInfo, TrimAtNulRemovesBlanksThenCutsAtTheFirstNul) {
    using namespace std::string_literals;
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"", ""},
        {"   ", ""},
        {"  abc  ", "abc"},
        {"ORVELA\0"s + std::string(248, ' '), "ORVELA"},
        {"ab c\0xyz"s, "ab c"},
        {"\0abc"s, ""},
        {" a \0 b "s, "a "}, // blanks before the NUL stay
        {"\tabc\t", "\tabc\t"}, // only blanks are trimmed
        {"abc\0\0"s, "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::trimAtNul(c.text), c.expected) << '"' << c.text << '"';
}

TEST(SystemInfo, HiWordDividesBy65535AndRoundsToTheNearest) {
    struct Case {
        std::int32_t value;
        std::int16_t expected;
    };
    const Case cases[] = {
        {1024 << 16, 1024},
        {0, 0},
        {65535, 1},
        {(1 << 16) | 0xFFFF, 2}, // a large low half raises the result by one
        {(5 << 16) | 0x8000, 6},
        {(5 << 16) | 0x7FFE, 5},
        {(4 << 16) | 0x0004, 4}, // 4.00012
        {-1, -1},                // -1/65535 - 1, rounded
        {-65536, -2},            // one less than the high word
        {-32768, -1},            // -1.5 rounds to even: -2? no: -1.50002 rounds to -2
        {32767 << 16, 32767},
        {2147483647, 32767}, // 32768.5: saturates
        {-2147483647 - 1, -32768},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::HiWord(c.value), c.expected) << c.value;
}

TEST(SystemInfo, RecycleBinSummaryCountsWholeKilobytes) {
    struct Case {
        std::int64_t items, bytes;
        const char* count;
        const char* kb;
    };
    const Case cases[] = {{0, 0, "0", "0"},         {3, 1535, "3", "1"},
                          {1, 1023, "1", "0"},      {2, 1024, "2", "1"},
                          {1, 2047, "1", "1"},      {123456, 5368709120, "123456", "5242880"}};
    for (const Case& c : cases)
        EXPECT_EQ(shell::recycleBinSummary(c.items, c.bytes),
                  std::string("There are \r\n") + c.count +
                      " files in recycle\r\nof general size of \r\n" + c.kb + " kb");
}

TEST(SystemInfo, NameLinesLeaveOutWhatCannotBeLookedUpAndAlwaysFillLabel34) {
    struct Case {
        std::optional<std::string> computer, user;
        std::string expected;
    };
    const std::string computer = "Computer Name : ";
    const std::string user = "User Name : ";
    const Case cases[] = {
        {"ORVELA", "me", computer + "ORVELA\r\n" + user + "me\r\n"},
        {std::nullopt, "me", user + "me\r\n"},
        {"ORVELA", std::nullopt, computer + "ORVELA\r\n"},
        {std::nullopt, std::nullopt, ""},
        {"ABCDEFGHIJKLMNO", "Joe Bloggs", computer + "ABCDEFGHIJKLMNO\r\n" + user + "Joe Bloggs\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        FakeMachine machine;
        machine.computerName = c.computer;
        machine.userName = c.user;
        Rig rig(machine);
        rig.control("kompinfo").setCaption("");
        rig.control("Label34").setCaption("stale");
        rig.fake.takeCalls();
        rig.info.showComputerName();
        rig.info.showUserName();
        EXPECT_EQ(rig.control("kompinfo").caption(), c.expected);
        EXPECT_EQ(rig.control("Label34").caption(), c.expected);
        EXPECT_EQ(rig.fake.takeCalls(), Calls({"call GetComputerNameA 255", "call GetUserNameA 255"}));
    }
}

TEST(SystemInfo, SpecialFolderPathGivesThePathOrTheEmptyTextAndReleasesTheList) {
    FakeMachine machine;
    machine.specialFolders[38] = "C:\\" + std::string(256, 'p'); // 259 characters
    Rig rig(machine);
    EXPECT_EQ(rig.info.specialFolderPath(5), "C:\\Users\\me\\Documents");
    EXPECT_EQ(rig.fake.takeCalls(), Calls({"call SHGetSpecialFolderLocation 0 5",
                                           "call SHGetPathFromIDListA 5000",
                                           "call CoTaskMemFree 5000"}));
    EXPECT_EQ(rig.info.specialFolderPath(38), machine.specialFolders[38]);
    rig.fake.takeCalls();

    EXPECT_EQ(rig.info.specialFolderPath(7), ""); // no such folder on this machine
    EXPECT_EQ(rig.fake.takeCalls(), Calls({"call SHGetSpecialFolderLocation 0 7"}));

    NoPathFromIdList shell(rig.fake);
    platform::Platform failing{rig.fake, rig.fake, shell, rig.fake, rig.fake, rig.fake};
    shell::SystemInfo info(failing, rig.form2);
    EXPECT_EQ(info.specialFolderPath(5), "");
    EXPECT_EQ(rig.fake.takeCalls(),
              Calls({"call SHGetSpecialFolderLocation 0 5", "call CoTaskMemFree 5001"}));
}

TEST(SystemInfo, ShutdownFlagsAddUpTheExitBits) {
    EXPECT_EQ(shell::shutdownFlags(false, false, false), 1u);
    EXPECT_EQ(shell::shutdownFlags(true, false, false), 3u);
    EXPECT_EQ(shell::shutdownFlags(true, true, false), 7u);
    EXPECT_EQ(shell::shutdownFlags(false, true, true), 13u);
    EXPECT_EQ(shell::shutdownFlags(true, true, true), 15u);
}

TEST(SystemInfo, SwitchOffAndRestartMakeTheseCallsOnEachWindowsFamily) {
    const Calls privilege = {"call GetCurrentProcess", "call OpenProcessToken -1 40",
                             "call LookupPrivilegeValueA \"\" \"SeShutdownPrivilege\"",
                             "call AdjustTokenPrivileges 100 0 1 19 0 2"};
    auto with = [](Calls head, const Calls& middle, const char* exit) {
        head.insert(head.end(), middle.begin(), middle.end());
        head.push_back(exit);
        return head;
    };
    const Calls version = {"call GetVersionExA", "call GetVersion"};
    struct Case {
        const char* system;
        unsigned major, minor;
        bool nt, restart;
        Calls expected;
    };
    const Case cases[] = {
        {"98", 4, 10, false, false, with(version, {}, "call ExitWindowsEx 1 0")},
        {"98", 4, 10, false, true, with(version, {}, "call ExitWindowsEx 2 0")},
        {"ME", 4, 90, false, false, with(version, {}, "call ExitWindowsEx 1 0")},
        {"NT 4", 4, 0, true, false, with(version, privilege, "call ExitWindowsEx 1 0")},
        {"NT 4", 4, 0, true, true, with(version, privilege, "call ExitWindowsEx 2 0")},
        {"2000", 5, 0, true, false,
         with(version, privilege, "call ExitWindowsEx 13 4294967295")},
        {"XP", 5, 1, true, false, with(version, privilege, "call ExitWindowsEx 13 4294967295")},
        {"XP", 5, 1, true, true, with(version, privilege, "call ExitWindowsEx 7 4294967295")},
        {"Vista", 6, 0, true, true, with(version, privilege, "call ExitWindowsEx 7 4294967295")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.system) + (c.restart ? " restart" : " switch off"));
        FakeMachine machine;
        machine.osMajor = c.major;
        machine.osMinor = c.minor;
        machine.ntFamily = c.nt;
        Rig rig(machine);
        EXPECT_EQ(rig.info.getOSVer(), static_cast<int>(c.major));
        rig.fake.takeCalls();
        if (c.restart)
            rig.info.restartComputer();
        else
            rig.info.switchOffComputer();
        EXPECT_EQ(rig.fake.takeCalls(), c.expected);
    }
}

TEST(SystemInfo, MainWindowLoadFillsTheInformationTexts) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("orvela-sysinfo-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    FakeMachine machine;
    machine.programDir = dir.string();
    machine.recycleItems = 3;
    machine.recycleBytes = 1535;
    machine.specialFolders.erase(5);
    machine.computerName = std::nullopt;
    FakePlatform fake(machine);
    platform::Platform platform = fake.platform();
    forms::ManualClock clock;
    {
        shell::OrvelaApp app(platform, clock, 15360, 11520);
        app.start();
        const forms::Form& form2 = *app.runtime().findForm("Form2");
        const std::string recycle =
            "There are \r\n3 files in recycle\r\nof general size of \r\n1 kb";
        for (const char* name : {"korzinainf", "Label33", "Label59"})
            EXPECT_EQ(form2.control(name).caption(), recycle) << name;
        EXPECT_EQ(form2.control("kompinfo").caption(), "User Name : me\r\n");
        EXPECT_EQ(form2.control("Label34").caption(), "User Name : me\r\n");
        EXPECT_EQ(form2.control("profiledir").caption(), "C:\\Program Files");
        EXPECT_EQ(form2.control("docdir").caption(), "");
    }
    std::filesystem::remove_all(dir);
}

} // namespace
