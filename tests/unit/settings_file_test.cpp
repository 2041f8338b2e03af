// The settings file ovdata.dat: the bytes of a new file, reading every kind
// of file into the settings record, rewriting it, and running on the
// defaults when the program folder cannot be written.

#include "app/orvela_app.h"
#include "common/value_text.h"
#include "desktopitems/form1_design.h"
#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"
#include "shell/clock_faces.h"
#include "shell/desktop_settings.h"
#include "shell/form2_design.h"
#include "shell/settings_file.h"
#include "shell/star_field.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace orvela;
namespace fs = std::filesystem;
using platform::fake::FakePlatform;
using Fields = std::vector<std::string>; // the nine stored fields in file order

const std::string newFileBytes = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                 "1\r\n5\r\n\"English\"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n";
const Fields newFileFields = {"1", "5", "English", "1", "1", "0", "1", "15", "0"};

// A fresh folder per test, removed afterwards.
struct TempDir {
    fs::path path =
        fs::temp_directory_path() / ("orvela-settings-" + std::to_string(std::random_device{}()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

platform::fake::FakeMachine machineIn(const fs::path& dir) {
    platform::fake::FakeMachine m;
    m.programDir = dir.string();
    return m;
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Fields storedFields(const shell::DesktopSettings& settings) {
    const auto texts = settings.storedTexts();
    return Fields(texts.begin(), texts.end());
}

// Each text between double quotes.
std::vector<std::string> quoted(std::vector<std::string> texts) {
    for (std::string& t : texts)
        t = '"' + t + '"';
    return texts;
}

class SettingsFileTest : public ::testing::Test {
protected:
    TempDir dir;
    FakePlatform fake{machineIn(dir.path)};
    forms::ManualClock clock;
    forms::Runtime runtime{clock, 15360, 11520};
    forms::Form& form1 = runtime.addForm(desktopitems::form1Design());
    forms::Form& form2 = runtime.addForm(shell::form2Design());
    shell::DesktopSettings settings{form1};
    shell::SettingsFile file{fake, settings};
    forms::UniformRandom random;
    shell::ClockFaces clocks{form2, settings, clock, fake};
    shell::StarField stars{form2, settings, random, clocks};

    fs::path filePath() const { return dir.path / "ovdata.dat"; }
    void writeFile(const std::string& bytes) const {
        std::ofstream(filePath(), std::ios::binary) << bytes;
    }
    std::string readBack() const { return readAll(filePath()); }
    Fields fields() const { return storedFields(settings); }
};

// 21 lines from the given texts (missing ones empty), each ended by eol.
std::string lines(const std::vector<std::string>& texts, const std::string& eol = "\r\n",
                  std::size_t count = 21) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += (i < texts.size() ? texts[i] : std::string()) + eol;
    return out;
}

// A file whose lines 12..20 hold the given values and whose other lines are empty.
std::string withValues(const Fields& values, const std::string& eol = "\r\n") {
    std::vector<std::string> texts(11);
    texts.insert(texts.end(), values.begin(), values.end());
    return lines(texts, eol);
}

TEST_F(SettingsFileTest, AMissingFileIsCreatedWithTheNewFileBytesAndReadBack) {
    file.loadSettings();
    EXPECT_EQ(readBack(), newFileBytes);
    EXPECT_EQ(fields(), newFileFields);
    EXPECT_EQ(settings.values().openedVariant.text, "1");
    EXPECT_EQ(settings.values().committedStars.text, "1");
    EXPECT_EQ(settings.values().configuredStep.text, "15");
    EXPECT_EQ(shell::defaultSettingsFileBytes(), newFileBytes);
}

TEST_F(SettingsFileTest, ReadsEveryKindOfFileIntoTheStoredFieldsAndTheirCopies) {
    const std::string nul("1\0", 2), longText(5000, 'x'), full = withValues(newFileFields);
    const Fields odd = {longText, "abc", "\xFF\xFE\x80", "1", "1", "0", nul, "15", "0"};
    struct Case {
        const char* what;
        std::string bytes;
        Fields expected;
    };
    const Case cases[] = {
        {"new file", newFileBytes, newFileFields},
        {"quoted",
         withValues({"\"2\"", "\"7\"", "\"Russian\"", "\"0\"", "\"0\"", "\"7\"", "\"0\"", "\"30\"",
                     "\"1\""}),
         {"2", "7", "Russian", "0", "0", "7", "0", "30", "1"}},
        {"quotes inside",
         withValues({"\"\"3", "5", "\"Eng\"lish\"", "1", "1", "0", "1", "1\"5"}),
         {"3", "5", "English", "1", "1", "0", "1", "15", ""}},
        {"LF only", withValues(newFileFields, "\n"), newFileFields},
        {"CR only", withValues(newFileFields, "\r"), newFileFields},
        {"no line end after line 20", full.substr(0, full.size() - 4), newFileFields},
        {"short", lines({}, "\r\n", 11) + "2\r\n9", {"2", "9", "", "", "", "", "", "", ""}},
        {"empty", "", Fields(9)},
        {"more than 21 lines", full + "\"3\"\r\n\"0\"\r\n" + lines({}, "\r\n", 20), newFileFields},
        {"5000 characters, no number, binary and NUL", withValues(odd), odd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.bytes);
        file.loadSettings();
        EXPECT_EQ(readBack(), c.bytes) << "reading never writes";
        EXPECT_EQ(fields(), c.expected);
        EXPECT_EQ(settings.values().openedVariant.text, c.expected[0]);
        EXPECT_EQ(settings.values().committedStars.text, c.expected[6]);
        EXPECT_EQ(settings.values().configuredStep.text, c.expected[7]);
    }
    EXPECT_EQ(settings.iconSpeed(), 0); // what the ring speed becomes
}

TEST_F(SettingsFileTest, StarsValueShowsOrHidesTheStarPanelsOrLeavesThem) {
    struct Case {
        std::string stars;
        bool before, after;
    };
    const Case cases[] = {{"1", false, true},
                          {"\"1\"", false, true},
                          {"0", true, false},
                          {"2", true, true},
                          {"", false, false},
                          {" 1", false, false},
                          {std::string("1\0", 2), false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("V2Stars \"" + c.stars + "\"");
        forms::Form& f = form2.touch();
        f.control("Frame3").setVisible(c.before);
        f.control("Frame4").setVisible(c.before);
        writeFile(withValues({"1", "5", "English", "1", "1", "0", c.stars, "15", "0"}));
        file.readSettingsFile();
        stars.showPanelsAsSet();
        EXPECT_EQ(f.control("Frame3").visible(), c.after);
        EXPECT_EQ(f.control("Frame4").visible(), c.after);
    }
}

TEST_F(SettingsFileTest, SavingQuotesEveryLineAndIsStableOnASecondSave) {
    file.loadSettings();
    ASSERT_TRUE(file.saveSettingsFile());
    const std::string once = readBack();
    EXPECT_EQ(once, lines(quoted({"",  "",  "",        "",  "",  "",  "",  "",   "",  "", "",
                                  "1", "5", "English", "1", "1", "0", "1", "15", "0", ""})));
    ASSERT_TRUE(file.saveSettingsFile());
    EXPECT_EQ(readBack(), once);
    file.readSettingsFile();
    EXPECT_EQ(fields(), newFileFields);
    EXPECT_FALSE(fs::exists(dir.path / "ovdata.dat.tmp"));
}

TEST_F(SettingsFileTest, SavingCarriesReservedLinesThroughUnderTheThirtyCharacterRule) {
    const std::string q28 = "\"" + std::string(28, 'r') + "\""; // 28 between its quotes
    const std::string q30 = "\"" + std::string(30, 'r') + "\""; // exactly 30: stays
    const std::string u31(31, 'u');                             // one too many
    std::vector<std::string> texts = {"alpha", "\"abc\"", q28,        q30, std::string(31, 's'),
                                      "a\"b",  "",        "\x01\xFF", u31};
    texts.resize(11);
    texts.insert(texts.end(), {"9", "9", "9", "9", "9", "9", "9", "9", "9", "\"tail\""});
    writeFile(lines(texts, "\n") + "line 22\n");
    file.readSettingsFile();
    settings.update([](shell::SettingsValues& v) {
        v.variant.text = "2";
        v.iconSpeed.text = std::string(28, '7');      // stays
        v.language.text = std::string(30, 'L');       // exactly 30: stays
        v.clockOn.text = "\"" + std::string(30, 'q'); // 30 once its quote is removed: stays
        v.stripStep.text = "2\"5";
    });
    ASSERT_TRUE(file.saveSettingsFile());

    EXPECT_EQ(readBack(), lines(quoted({"alpha",
                                        "abc",
                                        std::string(28, 'r'),
                                        std::string(30, 'r'),
                                        " ",
                                        "ab",
                                        "",
                                        "\x01\xFF",
                                        " ",
                                        "",
                                        "",
                                        "2",
                                        std::string(28, '7'),
                                        std::string(30, 'L'),
                                        std::string(30, 'q'),
                                        "9",
                                        "9",
                                        "9",
                                        "25",
                                        "9",
                                        "tail"})))
        << "lines after the 21st are dropped";
    const std::string once = readBack();
    file.readSettingsFile();
    ASSERT_TRUE(file.saveSettingsFile());
    EXPECT_EQ(readBack(), once) << "a second save changes nothing";
}

TEST_F(SettingsFileTest, AFolderThatCannotBeWrittenRunsOnTheDefaultsAndSavingLosesNothing) {
    FakePlatform nowhere(machineIn(dir.path / "missing"));
    shell::SettingsFile unwritable(nowhere, settings);
    EXPECT_NO_THROW(unwritable.loadSettings());
    EXPECT_EQ(fields(), newFileFields);
    EXPECT_EQ(settings.values().configuredStep.text, "15");
    settings.update([](shell::SettingsValues& v) { v.variant.set(shell::Variant::Three); });
    EXPECT_FALSE(unwritable.saveSettingsFile());
    EXPECT_EQ(settings.variant(), shell::Variant::Three);
    EXPECT_FALSE(fs::exists(dir.path / "missing"));
}

TEST_F(SettingsFileTest, ASettingsPathThatIsAFolderGivesTheNewFileValues) {
    fs::create_directory(filePath());
    EXPECT_NO_THROW(file.loadSettings());
    EXPECT_TRUE(fs::is_directory(filePath()));
    EXPECT_EQ(fields(), newFileFields);
}

TEST(SettingsFileApp, StartUpCreatesTheFileOrRunsWithoutItAndExitWritesNothing) {
    TempDir dir;
    for (const fs::path& folder : {dir.path, dir.path / "missing"}) {
        SCOPED_TRACE(folder.string());
        FakePlatform fake(machineIn(folder));
        platform::Platform platform = fake.platform();
        forms::ManualClock clock;
        app::OrvelaApp app(platform, clock, 15360, 11520);
        ASSERT_NO_THROW(app.start());
        const forms::Form& form2 = *app.runtime().findForm("Form2");
        EXPECT_TRUE(form2.visible());
        EXPECT_FALSE(form2.control("V1Frame").visible()); // variant 1
        shell::DesktopSettings settings(*app.runtime().findForm("Form1"));
        // The Options dialog, loaded hidden at start-up, copied V1speed.
        std::vector<std::string> expected = newFileFields;
        expected[5] = expected[1];
        EXPECT_EQ(storedFields(settings), expected);
        settings.update([](shell::SettingsValues& v) { v.variant.set(shell::Variant::Three); });
        app.exitProgram();
        EXPECT_TRUE(app.ended());
    }
    EXPECT_EQ(readAll(dir.path / "ovdata.dat"), newFileBytes);
    EXPECT_FALSE(fs::exists(dir.path / "missing"));
}

} // namespace
