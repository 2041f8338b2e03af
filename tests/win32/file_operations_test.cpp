// Folders, deleting and copying through the real platform, with Unicode names.
#include "temp_folder.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace orvela::win32 {
namespace {

// Пуск.txt and Копия.txt
constexpr const char* fileName = "\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA.txt";
constexpr const wchar_t* wideFileName = L"\u041F\u0443\u0441\u043A.txt";
constexpr const char* copyName = "\xD0\x9A\xD0\xBE\xD0\xBF\xD0\xB8\xD1\x8F.txt";
constexpr const wchar_t* wideCopyName = L"\u041A\u043E\u043F\u0438\u044F.txt";

using FileOperations = TempFolder;

TEST_F(FileOperations, CreateAndRemoveFolderOnceEach) {
    Win32Platform files;
    const std::string folder = path("\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA"); // Пуск
    EXPECT_FALSE(files.directoryExists(folder));
    EXPECT_TRUE(files.createDirectory(folder));
    EXPECT_TRUE(files.directoryExists(folder));
    EXPECT_TRUE(exists(widePath(L"\u041F\u0443\u0441\u043A")));
    EXPECT_FALSE(files.createDirectory(folder)); // exists already
    EXPECT_TRUE(files.removeDirectory(folder));
    EXPECT_FALSE(files.directoryExists(folder));
    EXPECT_FALSE(files.removeDirectory(folder)); // gone already
}

TEST_F(FileOperations, FoldersThatCannotBeMadeOrRemoved) {
    Win32Platform files;
    EXPECT_FALSE(files.createDirectory(path("missing\\inner"))); // one level at a time
    ASSERT_TRUE(files.createDirectory(path("full")));
    ASSERT_TRUE(writeBytes(widePath(L"full\\a.txt"), "a"));
    EXPECT_FALSE(files.removeDirectory(path("full"))); // not empty
    EXPECT_TRUE(files.directoryExists(path("full")));
    ASSERT_TRUE(writeBytes(widePath(wideFileName), "x"));
    EXPECT_FALSE(files.directoryExists(path(fileName))); // a file is no folder
    EXPECT_FALSE(files.removeDirectory(path(fileName)));
    EXPECT_TRUE(exists(widePath(wideFileName)));
}

TEST_F(FileOperations, DeleteFileHonoursReadOnlyUnlessForced) {
    Win32Platform files;
    const std::wstring wide = widePath(wideFileName);
    for (const bool force : {false, true}) {
        ASSERT_TRUE(writeBytes(wide, "bytes"));
        EXPECT_TRUE(files.deleteFile(path(fileName), force)) << force;
        EXPECT_FALSE(exists(wide));

        ASSERT_TRUE(writeBytes(wide, "bytes"));
        ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
        EXPECT_EQ(files.deleteFile(path(fileName), force), force) << force;
        EXPECT_EQ(exists(wide), !force) << force;
        SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(wide.c_str());
    }
}

TEST_F(FileOperations, DeleteFileLeavesFoldersAndMissingFilesAlone) {
    Win32Platform files;
    ASSERT_TRUE(files.createDirectory(path("sub")));
    for (const bool force : {false, true}) {
        EXPECT_FALSE(files.deleteFile(path("sub"), force));
        EXPECT_FALSE(files.deleteFile(path("missing.txt"), force));
        EXPECT_FALSE(files.deleteFile("", force));
        EXPECT_FALSE(files.deleteFile(path("bad\xFF.txt"), force));
    }
    EXPECT_TRUE(files.directoryExists(path("sub")));
}

TEST_F(FileOperations, CopyReplacesTheTargetAndKeepsTheSource) {
    Win32Platform files;
    ASSERT_TRUE(writeBytes(widePath(wideFileName), "new contents"));
    ASSERT_TRUE(writeBytes(widePath(wideCopyName), "old, and longer than the new contents"));
    EXPECT_TRUE(files.copyFile(path(fileName), path(copyName)));
    EXPECT_EQ(readBytes(widePath(wideCopyName)), "new contents");
    EXPECT_EQ(readBytes(widePath(wideFileName)), "new contents");

    EXPECT_TRUE(files.copyFile(path(fileName), path("fresh.txt")));
    EXPECT_EQ(readBytes(widePath(L"fresh.txt")), "new contents");
}

TEST_F(FileOperations, CopyFailuresLeaveTheTargetAsItWas) {
    Win32Platform files;
    ASSERT_TRUE(writeBytes(widePath(wideCopyName), "kept"));
    ASSERT_TRUE(files.createDirectory(path("sub")));
    EXPECT_FALSE(files.copyFile(path("missing.txt"), path(copyName)));
    EXPECT_FALSE(files.copyFile(path("sub"), path(copyName)));
    EXPECT_FALSE(files.copyFile(path(copyName), path("none\\target.txt")));
    EXPECT_FALSE(files.copyFile("", path(copyName)));
    EXPECT_FALSE(files.copyFile(path(copyName), ""));
    EXPECT_FALSE(files.copyFile(path("bad\xFF"), path(copyName)));
    EXPECT_EQ(readBytes(widePath(wideCopyName)), "kept");
}

TEST_F(FileOperations, FailuresTellAccessDeniedFromAMissingFile) {
    Win32Platform files;
    using platform::FileError;
    ASSERT_TRUE(writeBytes(widePath(wideFileName), "source"));
    // Windows refuses to write over a folder with access denied. (Over a
    // read-only file too, but Wine run as root writes over that.)
    ASSERT_TRUE(files.createDirectory(path("sub")));
    EXPECT_EQ(files.copyFile(path(fileName), path("sub")).error, FileError::accessDenied);
    EXPECT_TRUE(files.directoryExists(path("sub")));
    EXPECT_EQ(files.copyFile(path("missing.txt"), path(copyName)).error, FileError::notFound);
    EXPECT_EQ(files.copyFile(path(fileName), path("none\\target.txt")).error, FileError::notFound);
    EXPECT_EQ(files.createDirectory(path("missing\\inner")).error, FileError::notFound);
    EXPECT_EQ(files.createDirectory(path("sub")).error, FileError::other); // exists already
    EXPECT_EQ(files.createDirectory(path("bad\xFF")).error, FileError::other);
}

TEST(FileOperationsInput, TextsWindowsCannotHoldFailEverywhere) {
    Win32Platform files;
    const std::string withNul("C:\\a\0b", 6);
    for (const std::string& bad : {std::string(), withNul, std::string("C:\\\xFF")}) {
        EXPECT_FALSE(files.directoryExists(bad));
        EXPECT_FALSE(files.createDirectory(bad));
        EXPECT_FALSE(files.removeDirectory(bad));
    }
}

} // namespace
} // namespace orvela::win32
