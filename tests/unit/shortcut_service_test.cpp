// The shortcut service and autostart on the fake: the files they leave in
// real folders and the shell calls they make.
#include "common/shortcut_service.h"
#include "desktopitems/form1_design.h"
#include "forms/clock.h"
#include "forms/design.h"
#include "forms/runtime.h"
#include "options/autostart.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shortcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace orvela {
namespace {

namespace fs = std::filesystem;
using common::ShortcutRequest;
using common::ShortcutService;
using platform::fake::FakePlatform;

ShortcutRequest request(int location, const char* name, const char* target = "",
                        const char* subFolder = "") {
    ShortcutRequest r;
    r.location = location;
    r.name = name;
    r.target = target;
    r.subFolder = subFolder;
    return r;
}

struct ShortcutTest : ::testing::Test {
    ShortcutTest() {
        fs::create_directories(root / "StartUp");
        fs::create_directories(root / "Programs");
        fake.machine().wshFolders = {{"StartUp", (root / "StartUp").string()},
                                     {"Programs", (root / "Programs").string()}};
    }
    ~ShortcutTest() override { fs::remove_all(root); }

    std::optional<platform::Shortcut> read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return in ? platform::fake::parseShortcut(bytes.str()) : std::nullopt;
    }
    int count(const std::vector<std::string>& calls, const std::string& what) {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const auto& c) {
            return c.find(what) != std::string::npos;
        }));
    }

    fs::path root =
        fs::temp_directory_path() / ("orvela-links-" + std::to_string(std::random_device{}()));
    FakePlatform fake;
    platform::Platform platform = fake.platform();
};

TEST_F(ShortcutTest, LocationCodesNameTheScriptingShellsFolders) {
    const std::pair<int, std::optional<std::string>> cases[] = {{0, "Desktop"},
                                                                {1, "Programs"},
                                                                {2, "StartMenu"},
                                                                {3, "StartUp"},
                                                                {4, "Programs/Microsoft Office"},
                                                                {5, std::nullopt},
                                                                {-1, std::nullopt}};
    for (const auto& [code, key] : cases)
        EXPECT_EQ(common::locationKey(code), key) << code;
}

TEST_F(ShortcutTest, ASubFolderIsMadeOnFirstUseAndAShortcutOverwritten) {
    ShortcutService links(platform);
    ShortcutRequest readMe = request(1, "ReadMe", "C:/O/ReadMe.txt", "Orvela");
    readMe.icon = "x.exe,2";
    readMe.windowStyle = 3;
    ASSERT_TRUE(links.CreateLink(readMe));
    readMe.target = "D:/O/ReadMe.txt";
    ASSERT_TRUE(links.CreateLink(readMe));
    const auto calls = fake.takeCalls();
    EXPECT_EQ(count(calls, "CreateDirectory"), 1);
    EXPECT_EQ(count(calls, "CreateShortCut"), 2);
    const auto saved = read(root / "Programs" / "Orvela" / "ReadMe.lnk");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->targetPath, "D:/O/ReadMe.txt");
    EXPECT_EQ(saved->iconLocation, "x.exe,2");
    EXPECT_EQ(saved->description, "ReadMe");
    EXPECT_EQ(saved->windowStyle, 3);
    EXPECT_EQ(links.ProvLink(readMe), (root / "Programs" / "Orvela" / "ReadMe.lnk").string());
}

TEST_F(ShortcutTest, TheInstallersStyleJoinsWithBackslashesAndShowsTheTargetsIcon) {
    fake.machine().driveRoots['P'] = root.string();
    fake.machine().wshFolders["Programs"] = "P:\\Programs";
    ShortcutService links(platform, {.separator = '\\', .iconIsTarget = true});
    ShortcutRequest program = request(1, "Orvela", "D:\\O\\Orvela.exe", "Orvela");
    program.icon = "ignored";
    ASSERT_TRUE(links.CreateLink(program));
    EXPECT_EQ(count(fake.takeCalls(), "CreateShortCut \"P:\\\\Programs\\\\Orvela\\\\Orvela.lnk\""),
              1);
    const auto saved = read(root / "Programs" / "Orvela" / "Orvela.lnk");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->iconLocation, "D:\\O\\Orvela.exe");
}

TEST_F(ShortcutTest, AnUnknownFolderWritesNothingAndAProbeCreatesNothing) {
    ShortcutService links(platform);
    EXPECT_FALSE(links.CreateLink(request(2, "Orvela", "", "Sub")));
    EXPECT_FALSE(links.CreateLink(request(9, "Orvela")));
    EXPECT_EQ(links.ProvLink(request(1, "None", "", "New")), std::nullopt);
    EXPECT_FALSE(fs::exists(root / "Programs" / "New"));
    EXPECT_EQ(count(fake.takeCalls(), "CreateShortCut"), 0);
}

TEST_F(ShortcutTest, AutostartFollowsTheProgramAndSwitchesOffWithoutAShortcut) {
    forms::ManualClock clock;
    forms::Runtime runtime(clock, 15360, 11520);
    shell::DesktopSettings settings(runtime.addForm(desktopitems::form1Design()));
    options::Autostart autostart(platform, settings);
    const fs::path link = root / "StartUp" / "Orvela.lnk";

    autostart.setAutostart(1); // off, nothing to delete
    EXPECT_EQ(count(fake.takeCalls(), "DeleteFile"), 0);
    fake.machine().programDir = "C:/Old";
    autostart.setAutostart(2);
    fake.machine().programDir = "D:/New";
    autostart.setAutostart(2);
    EXPECT_EQ(settings.values().autostart.value(), true);
    const auto saved = read(link);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->targetPath, "D:/New/Orvela.exe");
    EXPECT_EQ(saved->hotKey, "CTRL+SHIFT+C");
    EXPECT_EQ(saved->workingDirectory, "c:/");
    EXPECT_EQ(saved->iconLocation, "Orvela.exe,0");
    autostart.setAutostart(1);
    EXPECT_EQ(settings.values().autostart.value(), false);
    EXPECT_FALSE(fs::exists(link));
}

} // namespace
} // namespace orvela
