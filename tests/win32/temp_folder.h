// A fresh folder with a Cyrillic name under the temporary folder, removed
// with everything in it (read-only files too) when the test ends.
#pragma once

#include "win32/utf.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace orvela::win32 {

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH + 1, temp), 0u);
        static int serial = 0;
        wideDir_ = std::wstring(temp) + L"\u041F\u0430\u043F\u043A\u0430-" + // Папка-
                   std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
        ASSERT_TRUE(CreateDirectoryW(wideDir_.c_str(), nullptr));
        dir_ = toUtf8(wideDir_);
    }

    void TearDown() override {
        if (!wideDir_.empty() && !removeTree(wideDir_))
            ADD_FAILURE() << "could not remove the test folder";
    }

    // UTF-8 path of name inside the folder.
    std::string path(const std::string& name) const { return dir_ + "\\" + name; }
    std::wstring widePath(const std::wstring& name) const { return wideDir_ + L"\\" + name; }

    static bool writeBytes(const std::wstring& file, const std::string& bytes) {
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        const bool ok =
            WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
        return CloseHandle(handle) && ok;
    }

    static std::string readBytes(const std::wstring& file) {
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return std::string();
        std::string bytes(1 << 16, '\0');
        DWORD read = 0;
        if (!ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
            read = 0;
        CloseHandle(handle);
        bytes.resize(read);
        return bytes;
    }

    static bool exists(const std::wstring& path) {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::wstring wideDir_;
    std::string dir_;

private:
    static bool removeTree(const std::wstring& folder) {
        WIN32_FIND_DATAW data;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &data);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring entry = folder + L"\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(entry);
                } else {
                    SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(entry.c_str());
                }
            } while (FindNextFileW(search, &data));
            FindClose(search);
        }
        return RemoveDirectoryW(folder.c_str());
    }
};

} // namespace orvela::win32
