// The desktop scan through the real platform: a folder with a Windows
// program, a console program, a shortcut, a text file and one with a
// Cyrillic name gets its rows, type names, image keys, table slots and
// drawable icons.
#include "desktopitems/desktop_scan.h"
#include "desktopitems/form1_design.h"
#include "forms/runtime.h"
#include "shell/form2_design.h"
#include "win32/utf.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <map>
#include <string>

namespace orvela::win32 {
namespace {

using desktopitems::ItemField;

void writeText(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "text", 4, &written, nullptr);
    CloseHandle(file);
}

void writeShortcut(const std::wstring& link, const std::wstring& target) {
    IShellLinkW* shell = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkW, reinterpret_cast<void**>(&shell))));
    shell->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    ASSERT_TRUE(
        SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    EXPECT_TRUE(SUCCEEDED(file->Save(link.c_str(), TRUE)));
    file->Release();
    shell->Release();
}

class DesktopScanUnderWindows : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH + 1, temp), 0u);
        folder_ = std::wstring(temp) + L"orvela-desktop-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
        // A Windows program (Notepad) and a console one (this test).
        wchar_t system[MAX_PATH] = {}, self[MAX_PATH] = {};
        ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
        ASSERT_TRUE(CopyFileW((std::wstring(system) + L"\\notepad.exe").c_str(),
                              (folder_ + L"\\Tool.exe").c_str(), FALSE));
        ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
        ASSERT_TRUE(CopyFileW(self, (folder_ + L"\\Console.exe").c_str(), FALSE));
        writeShortcut(folder_ + L"\\Tool.lnk", folder_ + L"\\Tool.exe");
        writeText(folder_ + L"\\Notes.txt");
        writeText(folder_ + L"\\\u041E\u0442\u0447\u0451\u0442.txt"); // Отчёт.txt
    }
    void TearDown() override {
        for (const wchar_t* name : {L"Tool.exe", L"Console.exe", L"Tool.lnk", L"Notes.txt",
                                    L"\u041E\u0442\u0447\u0451\u0442.txt"})
            DeleteFileW((folder_ + L"\\" + name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring folder_;
};

TEST_F(DesktopScanUnderWindows, RowsTypesTableAndIcons) {
    Win32Platform windows("Local\\Orvela.DesktopScanTest");
    platform::Platform platform = windows.platform();
    forms::ManualClock clock;
    forms::Runtime runtime(clock, 15360, 11520);
    forms::Form& form1 = runtime.addForm(desktopitems::form1Design());
    forms::Form& form2 = runtime.addForm(shell::form2Design());
    desktopitems::DesktopItemTable table;
    desktopitems::ItemLayout layout(form2);
    desktopitems::DesktopScan scan(platform, form1, table, layout);
    scan.resetImageList();
    const std::string desktop = toUtf8(folder_) + "\\";
    scan.scanDesktopFolder(desktop, "*.*");

    std::map<std::string, forms::ListRow> rows;
    for (const forms::ListRow& row : form1.control("ListView1").rows())
        rows[row.text] = row;
    ASSERT_EQ(rows.size(), 5u);
    const std::string cyrillic = "\u043E\u0442\u0447\u0451\u0442.txt"; // lower case
    ASSERT_TRUE(rows.count("tool.exe") && rows.count("tool.lnk") && rows.count("notes.txt") &&
                rows.count(cyrillic));
    EXPECT_EQ(rows["tool.exe"].subItems.at(1), "application");
    EXPECT_EQ(rows["tool.exe"].iconKey, "Tool.exe");
    EXPECT_EQ(rows["console.exe"].subItems.at(1), "application");
    EXPECT_EQ(rows["console.exe"].iconKey, "DOSExeIcon");
    EXPECT_EQ(rows["tool.lnk"].iconKey, "Tool.lnk");
    EXPECT_FALSE(rows["notes.txt"].subItems.at(1).empty());
    EXPECT_EQ(rows["notes.txt"].iconKey, rows["notes.txt"].subItems.at(1));
    EXPECT_EQ(rows[cyrillic].iconKey, rows["notes.txt"].iconKey); // one image per type
    EXPECT_EQ(rows["notes.txt"].subItems.at(0), "1kb");
    EXPECT_FALSE(rows["notes.txt"].subItems.at(2).empty()); // the creation date

    EXPECT_EQ(scan.itemCount(), 5);
    bool sawCyrillic = false;
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(table.get(ItemField::FileName, n));
        EXPECT_EQ(table.get(ItemField::FullPath, n), desktop + table.get(ItemField::FileName, n));
        sawCyrillic |= table.get(ItemField::FileName, n) == "\u041E\u0442\u0447\u0451\u0442.txt";
        const forms::Picture& picture = form2.control("Image3", n).picture();
        ASSERT_NE(picture.handle, 0u);
        EXPECT_NE(windows.iconOfPicture(picture.handle), nullptr);
        EXPECT_EQ(form2.control("Image4", n).picture(), picture);
    }
    EXPECT_TRUE(sawCyrillic);
}

} // namespace
} // namespace orvela::win32
