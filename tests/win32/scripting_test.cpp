// Special folders and shortcut files through the scripting shell and the
// shell's own calls where it falls short.
#include "temp_folder.h"
#include "win32/shortcut_file.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdint>
#include <cwctype>
#include <string>
#include <thread>

namespace orvela::win32 {
namespace {

std::wstring lower(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring shellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::wstring();
    return path;
}

bool isFolder(const std::string& path) {
    const auto wide = toWide(path);
    const DWORD attributes = wide ? GetFileAttributesW(wide->c_str()) : INVALID_FILE_ATTRIBUTES;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(SpecialFolder, EveryKeyNamesTheShellsFolderOfThatName) {
    Win32Platform scripting;
    const std::pair<const char*, int> keys[] = {
        {"Desktop", CSIDL_DESKTOPDIRECTORY},
        {"Programs", CSIDL_PROGRAMS},
        {"StartMenu", CSIDL_STARTMENU},
        {"StartUp", CSIDL_STARTUP},
        {"startup", CSIDL_STARTUP},
        {"AllUsersDesktop", CSIDL_COMMON_DESKTOPDIRECTORY},
        {"AllUsersPrograms", CSIDL_COMMON_PROGRAMS},
        {"AllUsersStartMenu", CSIDL_COMMON_STARTMENU},
        {"AllUsersStartup", CSIDL_COMMON_STARTUP},
        {"MyDocuments", CSIDL_PERSONAL},
        {"Favorites", CSIDL_FAVORITES},
        {"Fonts", CSIDL_FONTS},
        {"NetHood", CSIDL_NETHOOD},
        {"PrintHood", CSIDL_PRINTHOOD},
        {"Recent", CSIDL_RECENT},
        {"SendTo", CSIDL_SENDTO},
        {"Templates", CSIDL_TEMPLATES},
    };
    for (const auto& [key, csidl] : keys) {
        const std::wstring expected = shellFolder(csidl);
        const std::string found = scripting.specialFolder(key);
        EXPECT_FALSE(found.empty()) << key;
        EXPECT_EQ(lower(*toWide(found)), lower(expected)) << key;
    }
}

TEST(SpecialFolder, StartUpIsAFolderEvenWhereTheScriptingShellKnowsNone) {
    Win32Platform scripting;
    const std::string startUp = scripting.specialFolder("StartUp");
    EXPECT_TRUE(isFolder(startUp)) << startUp;
}

TEST(SpecialFolder, KeysOfNoFolderGiveTheEmptyText) {
    Win32Platform scripting;
    for (const char* key :
         {"Programs/Microsoft Office", "Programs\\Startup", "StartUp ", "", "Fav"})
        EXPECT_EQ(scripting.specialFolder(key), "") << key;
    EXPECT_EQ(scripting.specialFolder(std::string("StartUp\0", 8)), "");
    std::string withoutCom = "unset";
    std::thread([&] { withoutCom = scripting.specialFolder("StartUp"); }).join();
    EXPECT_EQ(withoutCom, "");
}

// --- Shortcut files

// A program file for the shortcuts to point at.
class ShortcutFile : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        ASSERT_TRUE(writeBytes(widePath(L"Target.exe"), "MZ"));
    }
    std::string testProgram() const { return path("Target.exe"); }
};

// The shortcut's show command (32 bits at 0x3C) and hot key (16 bits at 0x40).
std::uint32_t showCommandOnDisk(const std::string& bytes) {
    if (bytes.size() < 0x44)
        return 0xFFFFFFFF;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[0x3C + i]);
    return value;
}
std::uint16_t hotKeyOnDisk(const std::string& bytes) {
    if (bytes.size() < 0x44)
        return 0xFFFF;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0x40]) |
                                      static_cast<unsigned char>(bytes[0x41]) << 8);
}

// The fields a saved shortcut holds, read back through the shell's link object.
struct ShortcutFields {
    std::wstring target, workingDirectory, description, iconPath;
    int iconIndex = -1;
};
ShortcutFields readShortcut(const std::wstring& path) {
    ShortcutFields fields;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return fields;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
            wchar_t text[MAX_PATH] = {};
            if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
                fields.target = text;
            if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
                fields.workingDirectory = text;
            if (SUCCEEDED(link->GetDescription(text, MAX_PATH)))
                fields.description = text;
            if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &fields.iconIndex)))
                fields.iconPath = text;
        }
        file->Release();
    }
    link->Release();
    return fields;
}

TEST_F(ShortcutFile, ShowCommandAndHotKeyOnDiskFollowTheScriptingShellsTexts) {
    Win32Platform scripting;
    struct Case {
        int windowStyle;
        const char* hotKey;
        std::uint32_t showCommand;
        std::uint16_t hotKeyCode;
    };
    const Case cases[] = {
        {1, "CTRL+SHIFT+C", SW_SHOWNORMAL, 0x0343},
        {3, "Alt+F5", SW_SHOWMAXIMIZED, 0x0474},
        {7, "", SW_SHOWMINNOACTIVE, 0},
        {2, "no such key", SW_SHOWNORMAL, 0},
        {1, "EXT+CTRL+Home", SW_SHOWNORMAL, 0x0A24},
    };
    for (const Case& c : cases) {
        platform::Shortcut shortcut;
        shortcut.windowStyle = c.windowStyle;
        shortcut.hotKey = c.hotKey;
        shortcut.targetPath = testProgram();
        ASSERT_TRUE(scripting.saveShortcut(path("Test.lnk"), shortcut)) << c.hotKey;
        const std::string bytes = readBytes(widePath(L"Test.lnk"));
        EXPECT_EQ(showCommandOnDisk(bytes), c.showCommand) << c.hotKey;
        EXPECT_EQ(hotKeyOnDisk(bytes), c.hotKeyCode) << c.hotKey;
    }
}

TEST_F(ShortcutFile, EveryTextComesBackFromTheFile) {
    Win32Platform scripting;
    platform::Shortcut shortcut;
    shortcut.hotKey = "CTRL+SHIFT+C";
    // Wine keeps the target's path in the ANSI code page only (its item list
    // is Unicode): a Cyrillic target comes back with question marks there.
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    shortcut.targetPath = toUtf8(system) + "\\cmd.exe";
    shortcut.iconLocation = "C:\\a,b\\icons.dll,-3";
    shortcut.description = "\xD0\x9E\xD1\x80\xD0\xB2\xD0\xB5\xD0\xBB\xD0\xB0 desktop"; // Орвела
    shortcut.workingDirectory = "c:/";
    // Ярлык.lnk
    ASSERT_TRUE(
        scripting.saveShortcut(path("\xD0\xAF\xD1\x80\xD0\xBB\xD1\x8B\xD0\xBA.lnk"), shortcut));
    const ShortcutFields fields = readShortcut(widePath(L"\u042F\u0440\u043B\u044B\u043A.lnk"));
    EXPECT_EQ(lower(fields.target), lower(*toWide(shortcut.targetPath)));
    EXPECT_EQ(fields.workingDirectory, L"c:/");
    EXPECT_EQ(fields.description, L"\u041E\u0440\u0432\u0435\u043B\u0430 desktop");
    EXPECT_EQ(fields.iconPath, L"C:\\a,b\\icons.dll");
    EXPECT_EQ(fields.iconIndex, -3);
}

TEST_F(ShortcutFile, SavingAgainReplacesTheShortcut) {
    Win32Platform scripting;
    platform::Shortcut shortcut;
    shortcut.targetPath = testProgram();
    shortcut.description = "first, and the longer of the two descriptions";
    shortcut.hotKey = "CTRL+A";
    ASSERT_TRUE(scripting.saveShortcut(path("Test.lnk"), shortcut));
    shortcut.description = "second";
    shortcut.hotKey = "";
    ASSERT_TRUE(scripting.saveShortcut(path("Test.lnk"), shortcut));
    EXPECT_EQ(readShortcut(widePath(L"Test.lnk")).description, L"second");
    EXPECT_EQ(hotKeyOnDisk(readBytes(widePath(L"Test.lnk"))), 0);
}

TEST_F(ShortcutFile, TheTargetReadsBackAsSavedEvenWhenItIsGone) {
    Win32Platform scripting;
    const std::string target =
        path("\xD0\x9E\xD1\x80\xD0\xB2\xD0\xB5\xD0\xBB\xD0\xB0.exe"); // Орвела.exe
    ASSERT_TRUE(writeBytes(widePath(L"\u041E\u0440\u0432\u0435\u043B\u0430.exe"), "MZ"));
    platform::Shortcut shortcut;
    shortcut.targetPath = target;
    shortcut.hotKey = "CTRL+SHIFT+C";
    ASSERT_TRUE(scripting.saveShortcut(path("Test.lnk"), shortcut));
    // The uninstaller reads targets after deleting the program they start.
    ASSERT_TRUE(DeleteFileW(widePath(L"\u041E\u0440\u0432\u0435\u043B\u0430.exe").c_str()));
    const auto read = scripting.shortcutTarget(path("Test.lnk"));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(lower(*toWide(*read)), lower(*toWide(target)));
    // No shortcut there, or a file that is none: nothing.
    ASSERT_TRUE(writeBytes(widePath(L"Plain.lnk"), "not a shell link"));
    EXPECT_FALSE(scripting.shortcutTarget(path("Plain.lnk")).has_value());
    EXPECT_FALSE(scripting.shortcutTarget(path("Missing.lnk")).has_value());
    EXPECT_FALSE(scripting.shortcutTarget("").has_value());
}

TEST_F(ShortcutFile, RelativePathSavesInTheCurrentFolder) {
    Win32Platform scripting;
    platform::Shortcut shortcut;
    shortcut.targetPath = testProgram();
    wchar_t before[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, before), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(wideDir_.c_str()));
    const bool saved = scripting.saveShortcut("Relative.lnk", shortcut);
    SetCurrentDirectoryW(before);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(isShortcutFile(widePath(L"Relative.lnk")));
}

TEST_F(ShortcutFile, NothingIsWrittenWhenTheShortcutCannotBe) {
    Win32Platform scripting;
    platform::Shortcut good;
    good.targetPath = testProgram();
    EXPECT_FALSE(scripting.saveShortcut(path("missing\\Test.lnk"), good));
    EXPECT_FALSE(scripting.saveShortcut("", good));
    EXPECT_FALSE(scripting.saveShortcut(path("bad\xFF.lnk"), good));
    EXPECT_FALSE(scripting.saveShortcut(path("Test.lnk") + std::string("\0x", 2), good));
    platform::Shortcut badText = good;
    badText.description = "bad\xFF";
    EXPECT_FALSE(scripting.saveShortcut(path("Test.lnk"), badText));
    badText = good;
    badText.workingDirectory = std::string("c:\\\0", 4);
    EXPECT_FALSE(scripting.saveShortcut(path("Test.lnk"), badText));
    // A folder stands where the shortcut would go.
    ASSERT_TRUE(CreateDirectoryW(widePath(L"Folder.lnk").c_str(), nullptr));
    EXPECT_FALSE(scripting.saveShortcut(path("Folder.lnk"), good));
    EXPECT_FALSE(isShortcutFile(widePath(L"Test.lnk")));
    EXPECT_FALSE(exists(widePath(L"missing")));

    bool withoutCom = true;
    std::thread([&] { withoutCom = scripting.saveShortcut(path("Test.lnk"), good); }).join();
    EXPECT_FALSE(withoutCom);
    EXPECT_FALSE(exists(widePath(L"Test.lnk")));
}

// Whichever way the shortcut is written, the file is the same. Where the
// scripting shell cannot write it whole (under Wine it cannot set a hot
// key), it writes nothing.
TEST_F(ShortcutFile, ScriptingShellAndLinkObjectWriteTheSameFile) {
    platform::Shortcut shortcut;
    shortcut.windowStyle = 3;
    shortcut.hotKey = "CTRL+SHIFT+C";
    shortcut.targetPath = testProgram();
    shortcut.iconLocation = "X.exe,0";
    shortcut.description = "Orvela";
    shortcut.workingDirectory = "c:/";
    ASSERT_TRUE(saveShortcutByShellLink(widePath(L"ByLink.lnk"), shortcut));
    EXPECT_TRUE(isShortcutFile(widePath(L"ByLink.lnk")));
    if (saveShortcutByScript(widePath(L"ByScript.lnk"), shortcut))
        EXPECT_EQ(readBytes(widePath(L"ByScript.lnk")), readBytes(widePath(L"ByLink.lnk")));
    else
        EXPECT_FALSE(exists(widePath(L"ByScript.lnk")));
}

TEST_F(ShortcutFile, OnlyShellLinkFilesCountAsWritten) {
    ASSERT_TRUE(writeBytes(widePath(L"Text.lnk"), std::string(100, 'L')));
    ASSERT_TRUE(writeBytes(widePath(L"Short.lnk"), std::string("L\0\0\0", 4)));
    EXPECT_FALSE(isShortcutFile(widePath(L"Text.lnk")));
    EXPECT_FALSE(isShortcutFile(widePath(L"Short.lnk")));
    EXPECT_FALSE(isShortcutFile(widePath(L"Missing.lnk")));
}

} // namespace
} // namespace orvela::win32
