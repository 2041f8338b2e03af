// Files through the real platform, in a temporary folder with a Cyrillic name.
#include "win32/utf.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace orvela::win32 {
namespace {

class CyrillicFolder : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH + 1, temp), 0u);
        static int serial = 0;
        folder_ = std::wstring(temp) + L"\u041E\u0440\u0432\u0435\u043B\u0430-" + // Орвела-
                  std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
        dir_ = toUtf8(folder_);
    }

    void TearDown() override {
        // A program the test started may still hold a file for a moment.
        for (int attempt = 0; attempt < 50; ++attempt) {
            for (const std::wstring& name : names()) {
                const std::wstring path = folder_ + L"\\" + name;
                if (!DeleteFileW(path.c_str()))
                    RemoveDirectoryW(path.c_str());
            }
            if (RemoveDirectoryW(folder_.c_str()))
                return;
            Sleep(100);
        }
        ADD_FAILURE() << "could not remove the test folder";
    }

    // The names in the folder, as Windows lists them.
    std::vector<std::wstring> names() const {
        std::vector<std::wstring> found;
        WIN32_FIND_DATAW data;
        HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &data);
        if (search == INVALID_HANDLE_VALUE)
            return found;
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L"..")
                found.push_back(name);
        } while (FindNextFileW(search, &data));
        FindClose(search);
        return found;
    }

    std::string path(const std::string& name) { return files_.joinPath(dir_, name); }

    static constexpr const char* settingsName = "\xD0\xBD\xD0\xB0\xD1\x81\xD1\x82\xD1\x80\xD0\xBE"
                                                "\xD0\xB9\xD0\xBA\xD0\xB8.dat"; // настройки.dat
    static constexpr const wchar_t* wideSettingsName =
        L"\u043D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438.dat";

    Win32Platform files_;
    std::wstring folder_;
    std::string dir_;
};

TEST_F(CyrillicFolder, ReplaceThenReadKeepsEveryByteUnderTheCyrillicName) {
    const std::string bytes = std::string("\"1\"\r\n\0\xFF", 7) + "\xD0\xA0\xD1\x83\xD1\x81" + "\n";
    const std::string file = path(settingsName);
    ASSERT_TRUE(files_.replaceFile(file, bytes));
    EXPECT_TRUE(files_.fileExists(file));
    EXPECT_EQ(files_.readFile(file, 1 << 20), bytes);
    // The name on disk is the Unicode one, and no temporary file is left.
    EXPECT_EQ(names(), std::vector<std::wstring>{wideSettingsName});
}

TEST_F(CyrillicFolder, ReplaceOverAnExistingFileLeavesOnlyTheNewBytes) {
    const std::string file = path(settingsName);
    ASSERT_TRUE(files_.replaceFile(file, std::string(5000, 'a')));
    ASSERT_TRUE(files_.replaceFile(file, "short"));
    EXPECT_EQ(files_.readFile(file, 1 << 20), "short");
    ASSERT_TRUE(files_.replaceFile(file, ""));
    EXPECT_EQ(files_.readFile(file, 1 << 20), "");
    EXPECT_EQ(names().size(), 1u);
}

TEST_F(CyrillicFolder, ReadStopsAtMaxBytes) {
    std::string bytes(200000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    const std::string file = path("big.bin");
    ASSERT_TRUE(files_.replaceFile(file, bytes));
    EXPECT_EQ(files_.readFile(file, 100001), bytes.substr(0, 100001));
    EXPECT_EQ(files_.readFile(file, 0), "");
    EXPECT_EQ(files_.readFile(file, bytes.size()), bytes);
    EXPECT_EQ(files_.readFile(file, static_cast<std::size_t>(-1)), bytes);
}

TEST_F(CyrillicFolder, MissingFilesAndFoldersAreNotFiles) {
    const std::string missing = path("missing.txt");
    EXPECT_FALSE(files_.fileExists(missing));
    EXPECT_EQ(files_.readFile(missing, 100), std::nullopt);
    EXPECT_FALSE(files_.fileExists(dir_));
    EXPECT_EQ(files_.readFile(dir_, 100), std::nullopt);
    EXPECT_FALSE(files_.fileExists(""));
    EXPECT_EQ(files_.readFile("", 100), std::nullopt);
    EXPECT_EQ(files_.readFile(dir_ + "\\\xFF", 100), std::nullopt);
}

TEST_F(CyrillicFolder, FailedReplaceLeavesTheOldStateAndNoTemporaryFile) {
    // The target is a folder.
    const std::string sub = path("sub");
    ASSERT_TRUE(CreateDirectoryW((folder_ + L"\\sub").c_str(), nullptr));
    EXPECT_FALSE(files_.replaceFile(sub, "bytes"));
    EXPECT_EQ(names(), std::vector<std::wstring>{L"sub"});

    // The target's folder does not exist.
    EXPECT_FALSE(files_.replaceFile(path("none\\file.dat"), "bytes"));
    EXPECT_FALSE(files_.replaceFile("", "bytes"));
    EXPECT_EQ(names(), std::vector<std::wstring>{L"sub"});
}

TEST_F(CyrillicFolder, ReplaceOfAFileHeldOpenFailsAndKeepsIt) {
    const std::string file = path(settingsName);
    ASSERT_TRUE(files_.replaceFile(file, "old"));
    HANDLE held = CreateFileW((folder_ + L"\\" + wideSettingsName).c_str(), GENERIC_READ, 0,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(files_.replaceFile(file, "new"));
    CloseHandle(held);
    EXPECT_EQ(files_.readFile(file, 100), "old");
    EXPECT_EQ(names().size(), 1u);
}

TEST_F(CyrillicFolder, ShellExecuteStartsAProgramInTheGivenFolder) {
    const std::intptr_t started =
        files_.shellExecute(0, "open", "cmd.exe", "/c echo ok> done.txt", dir_, SW_HIDE);
    EXPECT_GT(started, 32);
    const std::string done = path("done.txt");
    for (int wait = 0; wait < 200 && !files_.fileExists(done); ++wait)
        Sleep(50);
    EXPECT_TRUE(files_.fileExists(done));

    EXPECT_LE(files_.shellExecute(0, "open", path("missing.txt"), "", "", SW_SHOWNORMAL), 32);
    EXPECT_LE(files_.shellExecute(0, "open", "cmd\xFF.exe", "", "", SW_HIDE), 32);
}

TEST_F(CyrillicFolder, TheWriteProbeLeavesNothingAndFailsOnAMissingFolder) {
    EXPECT_TRUE(files_.folderTakesFiles(dir_));
    EXPECT_TRUE(files_.folderTakesFiles(dir_ + "\\"));
    EXPECT_TRUE(names().empty());
    EXPECT_FALSE(files_.folderTakesFiles(path("missing")));
    EXPECT_FALSE(files_.folderTakesFiles(""));
}

TEST(AppData, TheUsersApplicationDataFolderExists) {
    Win32Platform files;
    const auto dir = files.appDataDir();
    ASSERT_TRUE(dir);
    EXPECT_TRUE(files.directoryExists(*dir));
    EXPECT_NE(dir->back(), '\\');
}

TEST(ProgramFile, DirAndNameLocateTheRunningExecutable) {
    Win32Platform files;
    const std::string dir = files.programDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    EXPECT_EQ(files.programName(), "orvela_win32_tests");
    EXPECT_TRUE(files.fileExists(files.joinPath(dir, files.programName() + ".exe")));
}

TEST(ProgramFile, JoinPathPutsOneBackslashBetween) {
    Win32Platform files;
    EXPECT_EQ(files.joinPath("C:\\Orvela", "ovdata.dat"), "C:\\Orvela\\ovdata.dat");
    EXPECT_EQ(files.joinPath("C:\\", "ovdata.dat"), "C:\\ovdata.dat");
    EXPECT_EQ(files.joinPath("C:", "ovdata.dat"), "C:\\ovdata.dat");
    EXPECT_EQ(files.joinPath("", "ovdata.dat"), "ovdata.dat");
}

} // namespace
} // namespace orvela::win32
