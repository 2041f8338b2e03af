// The settings file ovdata.dat: the bytes of a new file, reading every kind
// of file into the settings record, rewriting it, and running on the
// defaults when the program folder cannot be written.

#include "desktopitems/form1_design.h"
#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"
#include "shell/desktop_settings.h"
#include "shell/form2_design.h"
#include "shell/orvela_app.h"
#include "shell/settings_file.h"
#include "shell/value_text.h"

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
    fs::path path = fs::temp_directory_path() /
                    ("orvela-settings-" + std::to_string(std::random_device{}()));
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

// The fake's files, except that nothing can be written.
class UnwritableFiles : public platform::FileServices {
public:
    explicit UnwritableFiles(FakePlatform& inner) : inner_(inner) {}
    std::string programDir() override { return inner_.programDir(); }
    std::string programName() override { return inner_.programName(); }
    std::string joinPath(const std::string& d, const std::string& n) override {
        return inner_.joinPath(d, n);
    }
    bool fileExists(const std::string& p) override { return inner_.fileExists(p); }
    std::optional<std::string> readFile(const std::string& p, std::size_t max) override {
        return inner_.readFile(p, max);
    }
    bool replaceFile(const std::string&, const std::string&) override { return false; }

private:
    FakePlatform& inner_;
};

class SettingsFileTest : public ::testing::Test {
protected:
    TempDir dir;
    FakePlatform fake{machineIn(dir.path)};
    forms::ManualClock clock;
    forms::Runtime runtime{clock, 15360, 11520};
    forms::Form& form1 = runtime.addForm(desktopitems::form1Design());
    forms::Form& form2 = runtime.addForm(shell::form2Design());
    shell::DesktopSettings settings{form1};
    shell::SettingsFile file{fake, settings, form2};

    fs::path filePath() const { return dir.path / "ovdata.dat"; }
    void writeFile(const std::string& bytes) const {
        std::ofstream(filePath(), std::ios::binary) << bytes;
    }
    std::string readBack() const {
        std::ifstream in(filePath(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    Fields fields() const {
        Fields out;
        for (const char* f : shell::DesktopSettings::storedFields)
            out.push_back(settings.get(f));
        return out;
    }
    bool starsShown() { return form2.touch().control("Frame3").visible(); }
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
    EXPECT_EQ(settings.get("dvzapas"), "1");
    EXPECT_EQ(settings.get("V2Stars2"), "1");
    EXPECT_EQ(settings.get("v3shag2"), "15");
    EXPECT_EQ(shell::defaultSettingsFileBytes(), newFileBytes);
}

TEST_F(SettingsFileTest, ReadsEveryKindOfFileIntoTheStoredFieldsAndTheirCopies) {
    const std::string nul("1\0", 2);
    const std::string longText(5000, 'x');
    const std::string full = withValues(newFileFields);
    const std::string withoutLastLineEnds = full.substr(0, full.size() - 4);
    struct Case {
        const char* what;
        std::string bytes;
        Fields expected;
    };
    const Case cases[] = {
        {"new file", newFileBytes, newFileFields},
        {"all quoted", withValues({"\"2\"", "\"7\"", "\"Russian\"", "\"0\"", "\"0\"", "\"7\"",
                                   "\"0\"", "\"30\"", "\"1\""}),
         {"2", "7", "Russian", "0", "0", "7", "0", "30", "1"}},
        {"unquoted", withValues({"3", "5", "English", "1", "1", "0", "1", "15", "0"}),
         {"3", "5", "English", "1", "1", "0", "1", "15", "0"}},
        {"quotes inside", withValues({"\"\"3", "5", "\"Eng\"lish\"", "1", "1", "0", "1", "1\"5"}),
         {"3", "5", "English", "1", "1", "0", "1", "15", ""}},
        {"LF only", withValues(newFileFields, "\n"), newFileFields},
        {"CR only", withValues(newFileFields, "\r"), newFileFields},
        {"no line end after the last value", withoutLastLineEnds, newFileFields},
        {"short", lines({}, "\r\n", 11) + "2\r\n9", Fields{"2", "9", "", "", "", "", "", "", ""}},
        {"empty", "", Fields(9)},
        {"more than 21 lines",
         withValues(newFileFields) + "\"3\"\r\n\"0\"\r\n\"Russian\"\r\n" + lines({}, "\r\n", 20),
         newFileFields},
        {"a line of 5000 characters",
         withValues({longText, "5", "English", "1", "1", "0", "1", "15", "0"}),
         {longText, "5", "English", "1", "1", "0", "1", "15", "0"}},
        {"NUL and binary bytes",
         withValues({"1", "5", "\xFF\xFE\x80", "1", "1", "0", nul, "15", "0"}),
         {"1", "5", "\xFF\xFE\x80", "1", "1", "0", nul, "15", "0"}},
        {"no number", withValues({"1", "abc", "English", "1", "1", "0", "1", "15", "0"}),
         {"1", "abc", "English", "1", "1", "0", "1", "15", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.bytes);
        file.loadSettings();
        EXPECT_EQ(readBack(), c.bytes) << "reading never writes";
        EXPECT_EQ(fields(), c.expected);
        EXPECT_EQ(settings.get("dvzapas"), c.expected[0]);
        EXPECT_EQ(settings.get("V2Stars2"), c.expected[6]);
        EXPECT_EQ(settings.get("v3shag2"), c.expected[7]);
    }
    EXPECT_EQ(shell::textToNumber("abc"), 0); // what the ring speed becomes
}

TEST_F(SettingsFileTest, StarsValueShowsOrHidesTheStarPanelsOrLeavesThem) {
    struct Case {
        std::string stars;
        bool before, after;
    };
    const Case cases[] = {{"1", false, true}, {"\"1\"", false, true}, {"0", true, false},
                          {"2", true, true},  {"2", false, false},    {"", false, false},
                          {std::string("1\0", 2), false, false},      {" 1", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("V2Stars \"" + c.stars + "\"");
        forms::Form& f = form2.touch();
        f.control("Frame3").setVisible(c.before);
        f.control("Frame4").setVisible(c.before);
        writeFile(withValues({"1", "5", "English", "1", "1", "0", c.stars, "15", "0"}));
        file.readSettingsFile();
        EXPECT_EQ(f.control("Frame3").visible(), c.after);
        EXPECT_EQ(f.control("Frame4").visible(), c.after);
    }
}

TEST_F(SettingsFileTest, SavingQuotesEveryLineAndIsStableOnASecondSave) {
    file.loadSettings();
    ASSERT_TRUE(file.saveSettingsFile());
    const std::string once = readBack();
    EXPECT_EQ(once, lines({"\"\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"\"", "\"\"",
                           "\"\"", "\"\"", "\"1\"", "\"5\"", "\"English\"", "\"1\"", "\"1\"",
                           "\"0\"", "\"1\"", "\"15\"", "\"0\"", "\"\""}));
    ASSERT_TRUE(file.saveSettingsFile());
    EXPECT_EQ(readBack(), once);
    file.readSettingsFile();
    EXPECT_EQ(fields(), newFileFields);
    EXPECT_FALSE(fs::exists(dir.path / "ovdata.dat.tmp"));
}

TEST_F(SettingsFileTest, SavingCarriesReservedLinesThroughUnderTheThirtyCharacterRule) {
    const std::string q28 = "\"" + std::string(28, 'r') + "\""; // 30 with its quotes
    const std::string q29 = "\"" + std::string(29, 'r') + "\""; // 31 with its quotes
    std::vector<std::string> texts = {"alpha", "\"abc\"", q28, q29, std::string(31, 's'),
                                      "a\"b",  "",        "\x01\xFF"};
    texts.resize(11);
    texts.insert(texts.end(), {"9", "9", "9", "9", "9", "9", "9", "9", "9", "\"tail\""});
    writeFile(lines(texts, "\n") + "line 22\n");
    file.readSettingsFile();
    settings.set("deskvar", "2");
    settings.set("V1speed", std::string(30, '7'));        // stays
    settings.set("Desklang", std::string(31, 'L'));       // becomes a blank
    settings.set("v1timer", "\"" + std::string(29, 'q')); // 30 with its quote: stays
    settings.set("v3shag", "2\"5");
    ASSERT_TRUE(file.saveSettingsFile());

    const std::string q = "\"";
    EXPECT_EQ(readBack(),
              lines({q + "alpha" + q, q + "abc" + q, q + std::string(28, 'r') + q, q + " " + q,
                     q + " " + q, q + "ab" + q, q + q, q + "\x01\xFF" + q, q + q, q + q, q + q,
                     q + "2" + q, q + std::string(30, '7') + q, q + " " + q,
                     q + std::string(29, 'q') + q, q + "9" + q, q + "9" + q, q + "9" + q,
                     q + "25" + q, q + "9" + q, q + "tail" + q}))
        << "lines after the 21st are dropped";
}

TEST_F(SettingsFileTest, AFailedSaveLeavesTheFileAndTheRecordAsTheyWere) {
    writeFile(newFileBytes);
    file.loadSettings();
    UnwritableFiles unwritable(fake);
    shell::SettingsFile readOnly(unwritable, settings, form2);
    settings.set("deskvar", "3");
    EXPECT_FALSE(readOnly.saveSettingsFile());
    EXPECT_EQ(readBack(), newFileBytes);
    EXPECT_EQ(settings.get("deskvar"), "3");
}

TEST_F(SettingsFileTest, AFileThatCannotBeCreatedGivesTheNewFileValuesInMemory) {
    UnwritableFiles unwritable(fake);
    shell::SettingsFile readOnly(unwritable, settings, form2);
    EXPECT_NO_THROW(readOnly.loadSettings());
    EXPECT_FALSE(fs::exists(filePath()));
    EXPECT_EQ(fields(), newFileFields);
    EXPECT_EQ(settings.get("v3shag2"), "15");
}

TEST_F(SettingsFileTest, ASettingsPathThatIsAFolderGivesTheNewFileValues) {
    fs::create_directory(filePath());
    EXPECT_NO_THROW(file.loadSettings());
    EXPECT_TRUE(fs::is_directory(filePath()));
    EXPECT_EQ(fields(), newFileFields);
}

TEST(SettingsFileApp, StartsOnTheDefaultsWhenTheProgramFolderIsMissing) {
    TempDir dir;
    FakePlatform fake(machineIn(dir.path / "missing"));
    platform::Platform platform = fake.platform();
    forms::ManualClock clock;
    shell::OrvelaApp app(platform, clock, 15360, 11520);
    ASSERT_NO_THROW(app.start());
    forms::Form& form1 = *app.runtime().findForm("Form1");
    forms::Form& form2 = *app.runtime().findForm("Form2");
    ASSERT_TRUE(form2.loaded());
    EXPECT_TRUE(form2.visible());
    EXPECT_FALSE(fs::exists(dir.path / "missing"));
    const Fields expected = newFileFields;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(form1.control(shell::DesktopSettings::storedFields[i]).caption(), expected[i]);
    EXPECT_TRUE(form2.control("Frame3").visible());
    EXPECT_FALSE(form2.control("V1Frame").visible()); // variant 1
}

TEST(SettingsFileApp, StartUpCreatesTheFileOnceAndExitLeavesItUnchanged) {
    TempDir dir;
    FakePlatform fake(machineIn(dir.path));
    platform::Platform platform = fake.platform();
    forms::ManualClock clock;
    {
        shell::OrvelaApp app(platform, clock, 15360, 11520);
        app.start();
        app.runtime().findForm("Form1")->control("deskvar").setCaption("3");
        app.exitProgram();
        EXPECT_TRUE(app.ended());
    }
    std::ifstream in(dir.path / "ovdata.dat", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str(), newFileBytes);
}

} // namespace
