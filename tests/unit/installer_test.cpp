// The installer and the uninstaller on the fake platform: the typed-path
// rule, centring, the window's design against the shipped terms, installing
// into the shipping folder itself, and the uninstaller when Windows refuses
// to delete something.

#include "common/internet_shortcut.h"
#include "forms/runtime.h"
#include "installer/centring.h"
#include "installer/form1_design.h"
#include "installer/install_messages.h"
#include "installer/install_path.h"
#include "installer/install_procedure.h"
#include "installer/shipped_files.h"
#include "installer/uninstaller.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shortcut.h"
#include "platform/fake/text_format.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <regex>
#include <set>
#include <sstream>

namespace {

using namespace orvela;
namespace fs = std::filesystem;

struct TempDir {
    fs::path path =
        fs::temp_directory_path() / ("orvela-installer-" + std::to_string(std::random_device{}()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    void file(const std::string& name, const std::string& bytes = "x") const {
        fs::create_directories((path / fs::u8path(name)).parent_path());
        std::ofstream(path / fs::u8path(name), std::ios::binary) << bytes;
    }
    bool has(const std::string& name) const { return fs::exists(path / fs::u8path(name)); }
};

TEST(TypedInstallPath, IsForcedToEndInTheProgramFolderOrCleared) {
    struct Case {
        const char* typed;
        std::optional<std::string> folder;
    };
    const Case cases[] = {
        {"D:\\Orvela\\", "D:\\Orvela\\"},
        {"C:\\Program Files\\Orvela\\", "C:\\Program Files\\Orvela\\"},
        {"D:\\Programs\\", "D:\\PrOrvela\\"},
        {"D:\\Apps\\Orvela", "D:\\AppsOrvela\\"},
        {"D:\\1234567", "D:\\Orvela\\"},
        // Characters, not bytes: the Cyrillic letters are cut whole.
        {"D:\\Программы\\", "D:\\ПроOrvela\\"},
        {"D:\\Программы\\Orvela\\", "D:\\Программы\\Orvela\\"},
        {"", std::nullopt},
        {"Orvela\\", std::nullopt},
        {"\\\\server\\share\\Orvela\\", std::nullopt},
        {"D:\\x", std::nullopt},
        {"D:\\abc\\", std::nullopt}, // would become "Orvela\"
        {"D:", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(installer::forceProgramFolder(c.typed), c.folder) << c.typed;
}

TEST(TypedInstallPath, APathThatIsNoDriveColonBackslashAndFolderIsRefusedWithItsReason) {
    using installer::PathRefusal;
    struct Case {
        const char* typed;
        const char* forced;
        PathRefusal refusal;
    };
    const Case cases[] = {
        {"D:\\Orvela\\", "D:\\Orvela\\", PathRefusal::none},
        {"d:/Apps/Orvela/", "d:/Apps/Orvela\\", PathRefusal::none},
        {"D:\\Tools\\", "D:Orvela\\", PathRefusal::driveRelative},
        {"D:abcdefgh", "D:aOrvela\\", PathRefusal::driveRelative},
        {"1:\\abcdefg", "1:\\Orvela\\", PathRefusal::notADrive},
        {"\xD0\xAF:\\abcdefg", "", PathRefusal::noDrive}, // Я: is no drive either
        {"D:\\abc\\", "Orvela\\", PathRefusal::lostDrive},
        {"D:\\a|b\\Orvela\\", "D:\\a|b\\Orvela\\", PathRefusal::badName},
        {"D:\\a:b\\Orvela\\", "D:\\a:b\\Orvela\\", PathRefusal::badName},
        {"D:\\a\tb\\Orvela\\", "D:\\a\tb\\Orvela\\", PathRefusal::badName},
        {"D:\\x", "", PathRefusal::tooShort},
        {"Orvela\\", "", PathRefusal::noDrive},
        {"", "", PathRefusal::empty},
    };
    for (const Case& c : cases) {
        const installer::InstallPathCheck check = installer::checkInstallPath(c.typed);
        EXPECT_EQ(check.refusal, c.refusal) << c.typed;
        EXPECT_EQ(check.forced, c.forced) << c.typed;
        EXPECT_EQ(installer::forceProgramFolder(c.typed).has_value(),
                  c.refusal == PathRefusal::none)
            << c.typed;
    }
}

TEST(TypedInstallPath, EachRefusalHasItsOwnTextNamingThePath) {
    std::set<std::string> texts;
    for (const char* typed : {"", "Orvela\\", "D:\\x", "D:\\abc\\", "1:\\abcdefg", "D:\\Tools\\",
                              "D:\\a|b\\Orvela\\"}) {
        const installer::InstallPathCheck check = installer::checkInstallPath(typed);
        const std::string text = installer::refusedPathText(typed, check);
        if (*typed) {
            EXPECT_NE(text.find(std::string("\"") + typed + "\""), std::string::npos) << text;
        }
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 7u);
    const std::string relative =
        installer::refusedPathText("D:\\Tools\\", installer::checkInstallPath("D:\\Tools\\"));
    EXPECT_NE(relative.find("drive-relative \"D:Orvela\\\""), std::string::npos) << relative;
    EXPECT_NE(relative.find("D:\\Tools\\Orvela\\"), std::string::npos) << relative;
}

TEST(InstallPaths, DriveRootsAreToldFromFolders) {
    for (const char* root : {"D:", "D:\\", "d:/", "\\\\server\\share", "\\\\server\\share\\", ""})
        EXPECT_TRUE(installer::isDriveRoot(root)) << root;
    for (const char* folder : {"D:\\Orvela", "D:\\Orvela\\", "\\\\server\\share\\Orvela", "/tmp/x"})
        EXPECT_FALSE(installer::isDriveRoot(folder)) << folder;
}

TEST(InternetShortcut, TheAddressReadsBackFromItsSectionOnly) {
    const std::string ours = common::internetShortcutText("http://www.orvela.example/");
    EXPECT_EQ(ours, "[InternetShortcut]\r\nURL=http://www.orvela.example/\r\n");
    struct Case {
        std::string bytes;
        std::optional<std::string> url;
    };
    const Case cases[] = {
        {ours, "http://www.orvela.example/"},
        {"[internetshortcut]\nurl=http://a/\n", "http://a/"},
        {"[DEFAULT]\r\nBASEURL=x\r\n[InternetShortcut]\r\nIconIndex=0\r\nURL=http://b/",
         "http://b/"},
        {"[Other]\r\nURL=http://c/\r\n", std::nullopt},
        {"[InternetShortcut]\r\n[Other]\r\nURL=http://c/\r\n", std::nullopt},
        {"URL=http://d/\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(common::internetShortcutUrl(c.bytes), c.url) << c.bytes;
}

TEST(InstallShortcuts, OnlyTheProgramsTwoShortcutsCarryTheHotKey) {
    int web = 0;
    for (const installer::InstallShortcut& s : installer::installShortcuts("D:\\Orvela\\")) {
        const bool program = s.request.target == "D:\\Orvela\\Orvela.exe";
        EXPECT_EQ(s.request.hotKey, program ? "CTRL+SHIFT+C" : "") << s.request.name;
        if (s.web) {
            ++web;
            EXPECT_EQ(s.request.target, installer::webAddress);
        }
    }
    EXPECT_EQ(web, 1);
}

TEST(TypedInstallPath, AChosenFolderPassesTheRuleUnchanged) {
    for (const char* chosen : {"D:\\", "C:\\Program Files\\", "E:\\Мои программы\\"}) {
        const std::string path = installer::installPathIn(chosen);
        EXPECT_EQ(installer::forceProgramFolder(path), path) << chosen;
    }
}

TEST(Centring, HalvesTheWholeTwipsDifferenceTowardsZero) {
    struct Case {
        float screen, window, offset;
    };
    const Case cases[] = {
        {15360, 9600, 2880}, // 1024 x 768 pixels
        {12000, 9600, 1200}, // 800 wide
        {9615, 9600, 7},     // odd difference: the half twip dropped
        {9600.5f, 9600, 0},  // half a twip rounds to even
        {9000, 9600, -300},  // a window wider than the screen sticks out on both sides
        {9585, 9600, -7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(installer::centredOffset(c.screen, c.window), c.offset)
            << c.screen << " " << c.window;
}

// Spaces, tabs and line ends collapsed to one blank.
std::string words(const std::string& text) {
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

TEST(InstallerWindow, Label4ShowsTheShortTermsOfLicenseTxt) {
    std::ifstream in(fs::path(ORVELA_SOURCE_DIR) / "resources/dist/LICENSE.TXT", std::ios::binary);
    ASSERT_TRUE(in);
    std::stringstream license;
    license << in.rdbuf();
    const std::string all = license.str();
    const std::size_t from = all.find("THE TERMS IN SHORT"), to = all.find("THE FULL TERMS");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    const std::string shortTerms = words(all.substr(from, to - from));

    forms::ManualClock clock;
    forms::Runtime runtime(clock, 15360, 11520);
    forms::Form& form1 = runtime.addForm(installer::form1Design()).touch();
    const std::string caption = form1.control("Label4").caption();
    EXPECT_EQ(caption.rfind("THE TERMS IN SHORT", 0), 0u);
    EXPECT_NE(caption.find("LICENSE.TXT"), std::string::npos);
    int numbered = 0;
    for (int n = 1; n <= 4; ++n) {
        const std::string mark = "\r\n" + std::to_string(n) + ". ";
        const std::size_t at = caption.find(mark);
        ASSERT_NE(at, std::string::npos) << "paragraph " << n;
        const std::string paragraph =
            caption.substr(at + 2, caption.find("\r\n\r\n", at + 2) - (at + 2));
        EXPECT_NE(shortTerms.find(words(paragraph)), std::string::npos) << paragraph;
        ++numbered;
    }
    EXPECT_EQ(numbered, 4);
}

TEST(InstallerWindow, EveryControlLiesInTheWindowAndTheStatesDoNotOverlap) {
    forms::ManualClock clock;
    forms::Runtime runtime(clock, 15360, 11520);
    forms::Form& form1 = runtime.addForm(installer::form1Design()).touch();
    for (const auto& c : form1.controls()) {
        const forms::Rect r = c->bounds();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right() <= form1.width() &&
                    r.bottom() <= form1.height())
            << c->qualifiedName();
    }
    auto overlap = [](const forms::Control& a, const forms::Control& b) {
        const forms::Rect p = a.bounds(), q = b.bounds();
        return p.left < q.right() && q.left < p.right() && p.top < q.bottom() && q.top < p.bottom();
    };
    // What shows while choosing, and what shows when done: neither overlaps
    // another control of its own state.
    const std::vector<std::vector<const forms::Control*>> states = {
        {&form1.control("Label5"), &form1.control("Text1"), &form1.control("cmdSelect", 0),
         &form1.control("cmdSelect", 2), &form1.control("Command1")},
        {&form1.control("Label5"), &form1.control("Label6"), &form1.control("Command2")},
    };
    for (const auto& shown : states)
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(overlap(*shown[i], *shown[j]))
                    << shown[i]->qualifiedName() << " " << shown[j]->qualifiedName();
}

TEST(MovingShippedFiles, EachFailureIsToldByItsKind) {
    using installer::MoveFailure;
    struct Case {
        const char* name;
        const char* installFolder;
        const char* missing; // a shipped file not there ("" none)
        MoveFailure failure;
        const char* failedFile;
    };
    const Case cases[] = {
        {"moved", "D:\\Mine\\Orvela\\", "", MoveFailure::none, ""},
        {"protected", "D:\\Program Files\\Orvela\\", "", MoveFailure::accessDenied, "LICENSE.TXT"},
        {"missing file", "D:\\Mine\\Orvela\\", "Orvela.exe", MoveFailure::missingFile,
         "Orvela.exe"},
        {"missing drive", "Q:\\Orvela\\", "", MoveFailure::copyFailed, "LICENSE.TXT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (const char* name : installer::shippedFiles)
            if (std::string(name) != c.missing)
                dir.file(std::string("ship/") + name, name);
        fs::create_directories(dir.path / "d/Mine/Orvela");
        fs::create_directories(dir.path / "d/Program Files/Orvela");
        platform::fake::FakeMachine machine;
        machine.driveRoots['D'] = dir.path.string() + "/d";
        machine.driveRoots['S'] = dir.path.string() + "/ship";
        machine.protectedFolders = {"d:/program files"};
        platform::fake::FakePlatform fake(machine);
        const installer::MoveOutcome outcome =
            installer::moveShippedFiles(fake, "S:\\", c.installFolder);
        EXPECT_EQ(outcome.failure, c.failure);
        EXPECT_EQ(outcome.failedFile, c.failedFile);
        // The shipping folder loses its files only when all were copied.
        EXPECT_EQ(dir.has("ship/ReadMe.TXT"), c.failure != MoveFailure::none);
    }
}

TEST(FakeProtectedFolder, RefusesEveryChangeBelowItWithAccessDenied) {
    TempDir dir;
    dir.file("c/Program Files/Orvela/ovdata.dat");
    dir.file("c/source.txt");
    platform::fake::FakeMachine machine;
    machine.driveRoots['C'] = dir.path.string() + "/c";
    machine.protectedFolders = {"C:\\Program Files\\"};
    platform::fake::FakePlatform fake(machine);
    EXPECT_TRUE(fake.createDirectory("C:\\Program Files\\New").accessDenied());
    EXPECT_TRUE(fake.copyFile("C:\\source.txt", "c:/program files/Orvela/x.txt").accessDenied());
    EXPECT_FALSE(fake.replaceFile("C:\\Program Files\\Orvela\\ovdata.dat", "new"));
    EXPECT_FALSE(fake.deleteFile("C:\\Program Files\\Orvela\\ovdata.dat", true));
    EXPECT_FALSE(fake.removeDirectory("C:\\Program Files\\Orvela"));
    EXPECT_TRUE(dir.has("c/Program Files/Orvela/ovdata.dat"));
    // Reading and what lies beside it are not refused.
    EXPECT_TRUE(fake.fileExists("C:\\Program Files\\Orvela\\ovdata.dat"));
    EXPECT_TRUE(fake.createDirectory("C:\\Program Files Old"));
    EXPECT_EQ(fake.createDirectory("C:\\none\\inner").error, platform::FileError::notFound);
}

TEST(MovingShippedFiles, IntoTheShippingFolderItselfMovesNothing) {
    TempDir dir;
    for (const char* name : installer::shippedFiles)
        dir.file(name, name);
    platform::fake::FakeMachine machine;
    machine.driveRoots['D'] = dir.path.string();
    platform::fake::FakePlatform fake(machine);
    for (const char* to : {"D:\\", "d:/", "D:\\\\"}) {
        const installer::MoveOutcome outcome = installer::moveShippedFiles(fake, "D:\\", to);
        EXPECT_EQ(outcome.failure, installer::MoveFailure::sameFolder) << to;
        EXPECT_EQ(outcome.failedFile, "LICENSE.TXT") << to;
    }
    EXPECT_TRUE(fake.takeCalls().empty()) << "nothing was copied or deleted";
    for (const char* name : installer::shippedFiles)
        EXPECT_TRUE(dir.has(name)) << name;
}

// The last part of a path, after its last "/" or "\".
std::string fileName(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

// The fake's files, refusing to delete the files whose names are listed.
class RefusingFiles final : public platform::FileServices {
public:
    RefusingFiles(platform::FileServices& files, std::set<std::string> refused)
        : files_(files), refused_(std::move(refused)) {}
    std::string programDir() override { return files_.programDir(); }
    std::string programName() override { return files_.programName(); }
    std::optional<std::string> appDataDir() override { return files_.appDataDir(); }
    bool folderTakesFiles(const std::string& d) override { return files_.folderTakesFiles(d); }
    std::string joinPath(const std::string& d, const std::string& n) override {
        return files_.joinPath(d, n);
    }
    bool fileExists(const std::string& p) override { return files_.fileExists(p); }
    std::optional<std::string> readFile(const std::string& p, std::size_t n) override {
        return files_.readFile(p, n);
    }
    bool replaceFile(const std::string& p, const std::string& b) override {
        return files_.replaceFile(p, b);
    }
    bool directoryExists(const std::string& p) override { return files_.directoryExists(p); }
    platform::FileResult createDirectory(const std::string& p) override {
        return files_.createDirectory(p);
    }
    bool removeDirectory(const std::string& p) override { return files_.removeDirectory(p); }
    bool deleteFile(const std::string& p, bool force) override {
        const std::string name = fileName(p);
        deleted.push_back(name);
        return !refused_.count(name) && files_.deleteFile(p, force);
    }
    platform::FileResult copyFile(const std::string& f, const std::string& t) override {
        return files_.copyFile(f, t);
    }
    platform::FindHandle findFirstFile(const std::string& p, platform::FindData& d) override {
        return files_.findFirstFile(p, d);
    }
    bool findNextFile(platform::FindHandle s, platform::FindData& d) override {
        return files_.findNextFile(s, d);
    }
    void findClose(platform::FindHandle s) override { files_.findClose(s); }

    std::vector<std::string> deleted; // the names asked for, in order

private:
    platform::FileServices& files_;
    std::set<std::string> refused_;
};

// A shortcut file of the fake that starts target.
std::string shortcutTo(const std::string& target) {
    platform::Shortcut shortcut;
    shortcut.targetPath = target;
    return platform::fake::renderShortcut(shortcut);
}

class SelfRemovalSpy final : public installer::SelfRemoval {
public:
    explicit SelfRemovalSpy(bool works) : works_(works) {}
    bool removeAfterExit(const std::string& file, const std::string&) override {
        arranged = fileName(file);
        return works_;
    }
    std::string arranged;

private:
    bool works_;
};

TEST(Uninstaller, TextFilesAreItsOwnOnlyInAFolderTheInstallerMade) {
    struct Case {
        const char* folder;
        const char* ownName;
        std::vector<const char*> files;
        bool installFolder;
    };
    const Case cases[] = {
        {"Orvela", "Uninstall.exe", {"Orvela.exe", "Uninstall.exe"}, true},
        {"orvela", "UNINSTALL.EXE", {"Orvela.exe", "Uninstall.exe"}, true},
        // A copy of the program in a folder of the user's own.
        {"Tools", "Uninstall.exe", {"Orvela.exe", "Uninstall.exe"}, false},
        // The uninstaller under another name: not the one the installer moved.
        {"Orvela", "Uninstall (2).exe", {"Orvela.exe", "Uninstall (2).exe"}, false},
        {"Orvela", "Uninstall.exe", {"Uninstall.exe"}, false},
        {"Orvela", "Uninstall.exe", {"Orvela.exe", "Uninstall.exe", "install.exe"}, false},
    };
    for (const Case& c : cases) {
        TempDir dir;
        for (const char* name : c.files)
            dir.file(std::string(c.folder) + "/" + name);
        platform::fake::FakePlatform fake;
        EXPECT_EQ(installer::isInstallFolder(fake, (dir.path / c.folder).string(), c.ownName),
                  c.installFolder)
            << c.folder << " " << c.ownName << " " << c.files.size();
    }
}

TEST(Uninstaller, WhatWindowsRefusesToDeleteIsReported) {
    struct Case {
        const char* refused; // the file Windows will not delete ("" none)
        bool selfRemovalWorks;
        std::vector<std::string> boxes; // a text each box holds, in order
        std::vector<std::string> deleted;
        const char* arranged; // the file left for after the exit ("" none)
    };
    const std::vector<std::string> all = {"Orvela.exe", "Orvela.lnk", "Orvela.lnk", "LICENSE.TXT",
                                          "ORDER.TXT",  "ReadMe.TXT", "ovdata.dat"};
    const Case cases[] = {
        // The program runs: nothing else is touched, and it is said so.
        {"Orvela.exe", true, {"Remove Orvela", "end it (Exit)"}, {"Orvela.exe"}, ""},
        {"ReadMe.TXT", true, {"Remove Orvela", "could not be deleted:\r\n"}, all, "Uninstall.exe"},
        {"",
         false,
         {"Remove Orvela", "has been removed", "could not remove itself"},
         all,
         "Uninstall.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        TempDir dir;
        for (const char* name : {"Orvela/LICENSE.TXT", "Orvela/ORDER.TXT", "Orvela/ReadMe.TXT",
                                 "Orvela/Orvela.exe", "Orvela/Uninstall.exe", "Orvela/ovdata.dat"})
            dir.file(name);
        for (const char* name : {"Desktop/Orvela.lnk", "Programs/Orvela/Orvela.lnk"})
            dir.file(name, shortcutTo((dir.path / "Orvela" / "Orvela.exe").string()));
        platform::fake::FakeMachine machine;
        machine.programDir = (dir.path / "Orvela").string();
        machine.programName = "Uninstall";
        machine.wshFolders = {{"Desktop", (dir.path / "Desktop").string()},
                              {"Programs", (dir.path / "Programs").string()}};
        platform::fake::FakePlatform fake(machine);
        RefusingFiles files(fake, c.refused[0] ? std::set<std::string>{c.refused}
                                               : std::set<std::string>{});
        platform::Platform platform = fake.platform();
        platform::Platform refusing{platform.display, platform.windows,   platform.shell,
                                    platform.system,  platform.scripting, files,
                                    platform.dialogs};
        SelfRemovalSpy selfRemoval(c.selfRemovalWorks);
        installer::Uninstaller(refusing, selfRemoval).run();

        std::vector<std::string> boxes;
        for (const std::string& call : fake.takeCalls())
            if (call.rfind("call MsgBox ", 0) == 0)
                boxes.push_back(call);
        ASSERT_EQ(boxes.size(), c.boxes.size());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const std::string want = platform::fake::quoteText(c.boxes[i]);
            EXPECT_NE(boxes[i].find(want.substr(1, want.size() - 2)), std::string::npos)
                << boxes[i];
        }
        EXPECT_EQ(files.deleted, c.deleted);
        EXPECT_EQ(selfRemoval.arranged, c.arranged);
        EXPECT_EQ(dir.has("Orvela/Uninstall.exe"), true) << "it never deletes its own file";
        EXPECT_EQ(dir.has("Desktop/Orvela.lnk"), c.deleted.size() == 1);
    }
}

} // namespace
