// Where the settings file of a run lives: the program folder when it takes
// files, otherwise the per-user file, made once; the failures that keep the
// program folder's file. The whole flows run as driver scripts
// (tests/sim/settings_*.sim); these are the cases a script cannot set up.

#include "common/user_settings_path.h"
#include "platform/fake/fake_platform.h"
#include "shell/settings_location.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

namespace {

using namespace orvela;
namespace fs = std::filesystem;
using platform::fake::FakeMachine;
using platform::fake::FakePlatform;

struct Folders {
    fs::path root =
        fs::temp_directory_path() / ("orvela-location-" + std::to_string(std::random_device{}()));
    fs::path program = root / "program", appData = root / "appdata";
    Folders() {
        fs::create_directories(program);
        fs::create_directories(appData);
    }
    ~Folders() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    FakeMachine machine(bool readOnly, std::optional<fs::path> appDataDir) const {
        FakeMachine m;
        m.programDir = program.string();
        m.readOnlyProgramDir = readOnly;
        if (appDataDir)
            m.appDataDir = appDataDir->string();
        return m;
    }
};

std::size_t entries(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

TEST(SettingsLocation, ChosenOnceByWhatTheFoldersAllow) {
    struct Case {
        const char* what;
        bool readOnly;
        bool appData;         // Windows gives an application-data folder
        bool appDataMissing;  // ... that does not exist
        const char* expected; // "program" or "user"
    };
    const Case cases[] = {
        {"a writable folder keeps its file", false, true, false, "program"},
        {"a read-only folder sends it to the user", true, true, false, "user"},
        {"no application-data folder: as before", true, false, false, "program"},
        {"a folder Orvela cannot be made in: as before", true, true, true, "program"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folders f;
        const fs::path appData = c.appDataMissing ? f.root / "gone" : f.appData;
        FakePlatform fake(f.machine(c.readOnly, c.appData ? std::optional(appData) : std::nullopt));
        const std::string path = shell::decideSettingsPath(fake);
        const fs::path want = std::string(c.expected) == "user"
                                  ? f.appData / "Orvela" / "ovdata.dat"
                                  : f.program / "ovdata.dat";
        EXPECT_EQ(fs::path(path), want);
        // The probe leaves nothing behind, and nothing is made for a
        // writable program folder.
        EXPECT_EQ(entries(f.program), 0u);
        EXPECT_EQ(fs::exists(f.appData / "Orvela"), std::string(c.expected) == "user");
    }
}

TEST(UserSettingsPlace, FollowsTheApplicationDataFolder) {
    Folders f;
    FakePlatform none(f.machine(false, std::nullopt));
    EXPECT_FALSE(common::userSettingsPlace(none));
    FakePlatform given(f.machine(false, f.appData));
    const auto place = common::userSettingsPlace(given);
    ASSERT_TRUE(place);
    EXPECT_EQ(fs::path(place->folder), f.appData / "Orvela");
    EXPECT_EQ(fs::path(place->file), f.appData / "Orvela" / "ovdata.dat");
}

TEST(FakeReadOnlyProgramDir, RefusesWritesInsideAndBelowOnly) {
    Folders f;
    fs::create_directories(f.program / "sub");
    fs::create_directories(f.root / "programs"); // a sibling sharing the name's start
    std::ofstream(f.program / "old.txt") << "x";
    FakePlatform fake(f.machine(true, f.appData));
    const std::string inside = (f.program / "a.txt").string();
    const std::string below = (f.program / "sub" / "b.txt").string();
    const std::string sibling = (f.root / "programs" / "c.txt").string();
    EXPECT_FALSE(fake.folderTakesFiles(f.program.string()));
    EXPECT_FALSE(fake.replaceFile(inside, "x"));
    EXPECT_FALSE(fake.replaceFile(below, "x"));
    EXPECT_FALSE(fake.createDirectory((f.program / "new").string()));
    EXPECT_FALSE(fake.deleteFile((f.program / "old.txt").string(), true));
    EXPECT_FALSE(fake.copyFile((f.program / "old.txt").string(), inside));
    EXPECT_TRUE(fake.replaceFile(sibling, "x"));
    EXPECT_TRUE(fake.folderTakesFiles((f.root / "programs").string()));
    EXPECT_TRUE(fs::exists(f.program / "old.txt"));
    EXPECT_FALSE(fs::exists(inside));
}

} // namespace
