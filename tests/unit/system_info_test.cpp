// The Windows service wrappers on the recording fake: names, special
// folders, the recycle-bin text, HiWord, and the exact calls of switching
// off and restarting on each Windows family.

#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"
#include "shell/form2_design.h"
#include "shell/system_info.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
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

TEST(SystemInfo, TrimAtNulRemovesBlanksThenCutsAtTheFirstNul) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"   ", ""},
        {"  abc  ", "abc"},
        {"ab c\0xyz"s, "ab c"},
        {"\0abc"s, ""},
        {"abc\0\0"s, "abc"},
        {" a \0 b "s, "a "},
        {"\tabc\t", "\tabc\t"},
        {"ORVELA\0"s + std::string(248, ' '), "ORVELA"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(shell::trimAtNul(text), expected) << '"' << text << '"';
}

// value / 65535, less one when negative, rounded: a large low half raises the
// result by one, a negative value lands one below its high word.
TEST(SystemInfo, HiWordDividesBy65535AndRoundsToTheNearest) {
    const std::pair<std::int32_t, std::int16_t> cases[] = {{1024 << 16, 1024},
                                                           {0, 0},
                                                           {65535, 1},
                                                           {(1 << 16) | 0xFFFF, 2},
                                                           {(5 << 16) | 32762, 5},
                                                           {(5 << 16) | 32763, 6},
                                                           {-1, -1},
                                                           {-65536, -2},
                                                           {-32768, -2},
                                                           {32767 << 16, 32767},
                                                           {2147483647, 32767},
                                                           {-2147483647 - 1, -32768}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(shell::HiWord(value), expected) << value;
}

TEST(SystemInfo, RecycleBinSummaryCountsWholeKilobytes) {
    const auto text = [](const char* count, const char* kb) {
        return std::string("There are \r\n") + count +
               " files in recycle\r\nof general size of \r\n" + kb + " kb";
    };
    EXPECT_EQ(shell::recycleBinSummary(0, 0), text("0", "0"));
    EXPECT_EQ(shell::recycleBinSummary(3, 1535), text("3", "1"));
    EXPECT_EQ(shell::recycleBinSummary(1, 1023), text("1", "0"));
    EXPECT_EQ(shell::recycleBinSummary(123456, 5368709120), text("123456", "5242880"));
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
        {"ABCDEFGHIJKLMNO", "Joe Bloggs",
         computer + "ABCDEFGHIJKLMNO\r\n" + user + "Joe Bloggs\r\n"},
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
        EXPECT_EQ(rig.fake.takeCalls(),
                  Calls({"call GetComputerNameA 255", "call GetUserNameA 255"}));
    }
}

TEST(SystemInfo, SpecialFolderPathGivesThePathOrTheEmptyTextAndReleasesTheList) {
    FakeMachine machine;
    machine.specialFolders[38] = "C:\\" + std::string(256, 'p'); // 259 characters
    Rig rig(machine);
    EXPECT_EQ(rig.info.specialFolderPath(5), "C:\\Users\\me\\Documents");
    EXPECT_EQ(rig.fake.takeCalls(),
              Calls({"call SHGetSpecialFolderLocation 0 5", "call SHGetPathFromIDListA 5000",
                     "call CoTaskMemFree 5000"}));
    EXPECT_EQ(rig.info.specialFolderPath(38), machine.specialFolders[38]);
    rig.fake.takeCalls();

    EXPECT_EQ(rig.info.specialFolderPath(7), ""); // no such folder on this machine
    EXPECT_EQ(rig.fake.takeCalls(), Calls({"call SHGetSpecialFolderLocation 0 7"}));

    rig.fake.machine().pathsFromIdLists = false; // the list converts to no path
    EXPECT_EQ(rig.info.specialFolderPath(5), "");
    EXPECT_EQ(rig.fake.takeCalls(),
              Calls({"call SHGetSpecialFolderLocation 0 5", "call SHGetPathFromIDListA 5002",
                     "call CoTaskMemFree 5002"}));
}

TEST(SystemInfo, SwitchOffAndRestartMakeTheseCallsOnEachWindowsFamily) {
    const Calls privilege = {"call GetCurrentProcess", "call OpenProcessToken -1 40",
                             "call LookupPrivilegeValueA \"\" \"SeShutdownPrivilege\"",
                             "call AdjustTokenPrivileges 100 0 1 19 0 2",
                             "call CloseHandle 100"}; // the token is not left open
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
        {"2000", 5, 0, true, false, with(version, privilege, "call ExitWindowsEx 25 4294967295")},
        {"XP", 5, 1, true, false, with(version, privilege, "call ExitWindowsEx 25 4294967295")},
        {"XP", 5, 1, true, true, with(version, privilege, "call ExitWindowsEx 19 4294967295")},
        {"Vista", 6, 0, true, true, with(version, privilege, "call ExitWindowsEx 19 4294967295")},
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

} // namespace
