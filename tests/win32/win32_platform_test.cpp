// The real Windows calls behind the platform interfaces come back as the
// program's logic expects them to.
#include "win32/utf.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

namespace orvela::win32 {
namespace {

using platform::ItemIdList;
using platform::ObjectHandle;
using platform::WindowHandle;

bool isFolder(const std::string& path) {
    const auto wide = toWide(path);
    if (!wide)
        return false;
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

WindowHandle handleOf(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

// --- Display

TEST(Display, CurrentModeIsTheWholeScreen) {
    Win32Platform windows;
    platform::DisplayMode mode;
    ASSERT_TRUE(windows.enumCurrentDisplaySettings(mode));
    EXPECT_GT(mode.height, 0u);
    EXPECT_EQ(mode.width, static_cast<unsigned>(GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(mode.height, static_cast<unsigned>(GetSystemMetrics(SM_CYSCREEN)));
}

// --- Windows of other programs: a window of our own with Cyrillic names
// stands in for them.

class OwnWindow : public ::testing::Test {
protected:
    static constexpr const wchar_t* wideClass =
        L"\u041E\u0440\u0432\u0435\u043B\u0430.Test"; // Орвела.Test
    static constexpr const char* className =
        "\xD0\x9E\xD1\x80\xD0\xB2\xD0\xB5\xD0\xBB\xD0\xB0.Test";
    static constexpr const wchar_t* wideTitle = L"\u041F\u0430\u043D\u0435\u043B\u044C"; // Панель
    static constexpr const char* title = "\xD0\x9F\xD0\xB0\xD0\xBD\xD0\xB5\xD0\xBB\xD1\x8C";
    static constexpr const wchar_t* wideButtonText = L"\u041F\u0443\u0441\u043A"; // Пуск
    static constexpr const char* buttonText = "\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA";

    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = wideClass;
        RegisterClassW(&windowClass); // fails harmlessly when registered already
        top_ = CreateWindowExW(0, wideClass, wideTitle, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(top_, nullptr) << "needs a display";
        button_ = CreateWindowExW(0, L"Button", wideButtonText, WS_CHILD, 0, 0, 50, 20, top_,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(button_, nullptr);
    }
    void TearDown() override {
        if (top_)
            DestroyWindow(top_);
    }

    Win32Platform windows_;
    HWND top_ = nullptr;
    HWND button_ = nullptr;
};

TEST_F(OwnWindow, FindWindowMatchesClassAndTitleAndTakesEmptyForAny) {
    EXPECT_EQ(windows_.findWindow(className, title), handleOf(top_));
    EXPECT_EQ(windows_.findWindow(className, ""), handleOf(top_));
    EXPECT_EQ(windows_.findWindow("", title), handleOf(top_));
    EXPECT_EQ(windows_.findWindow(className, "Other"), 0u);
    EXPECT_EQ(windows_.findWindow("Orvela.NoSuchClass", ""), 0u);
    // Text Windows cannot hold matches nothing, rather than anything.
    EXPECT_EQ(windows_.findWindow(className, "\xFF"), 0u);
}

TEST_F(OwnWindow, FindWindowExFindsTheChildButton) {
    const WindowHandle top = handleOf(top_);
    EXPECT_EQ(windows_.findWindowEx(top, 0, "Button", ""), handleOf(button_));
    EXPECT_EQ(windows_.findWindowEx(top, 0, "", buttonText), handleOf(button_));
    EXPECT_EQ(windows_.findWindowEx(top, handleOf(button_), "Button", ""), 0u);
    EXPECT_EQ(windows_.findWindowEx(top, 0, "Static", ""), 0u);
}

TEST_F(OwnWindow, ShowWindowAndSetWindowPosReachTheWindow) {
    // Showing the child button keeps Wine from mapping an X window (which
    // waits for a window manager that Xvfb lacks).
    const WindowHandle button = handleOf(button_);
    const auto visibleStyle = [&] {
        return (GetWindowLongW(button_, GWL_STYLE) & WS_VISIBLE) != 0;
    };
    EXPECT_FALSE(windows_.showWindow(button, SW_SHOWNA)); // it was hidden
    EXPECT_TRUE(visibleStyle());
    EXPECT_TRUE(windows_.showWindow(button, SW_HIDE)); // it was visible
    EXPECT_FALSE(visibleStyle());

    const WindowHandle top = handleOf(top_);
    EXPECT_TRUE(windows_.setWindowPos(top, 0, 30, 40, 300, 150, SWP_NOZORDER | SWP_NOACTIVATE));
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(top_, &rect));
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 150);

    EXPECT_FALSE(windows_.setWindowPos(0, 0, 0, 0, 10, 10, SWP_NOZORDER));
}

// --- Shell

TEST(SpecialFolders, DocumentsAndProgramFilesFillTheCallersBuffer) {
    Win32Platform shell;
    for (int folder : {5, 38}) {
        SCOPED_TRACE(folder);
        ItemIdList list = 0;
        EXPECT_EQ(shell.getSpecialFolderLocation(0, folder, list), 0);
        ASSERT_NE(list, 0u);
        std::string buffer(260, ' ');
        ASSERT_TRUE(shell.getPathFromIdList(list, buffer));
        shell.releaseIdList(list);

        EXPECT_EQ(buffer.size(), 260u);
        const std::size_t nul = buffer.find('\0');
        ASSERT_NE(nul, std::string::npos);
        const std::string path = buffer.substr(0, nul);
        EXPECT_EQ(buffer.substr(nul + 1), std::string(260 - nul - 1, ' '));
        EXPECT_TRUE(isFolder(path)) << path;
    }
}

TEST(SpecialFolders, FolderWithoutPathAndUnknownFolderFail) {
    Win32Platform shell;
    ItemIdList list = 0;
    ASSERT_EQ(shell.getSpecialFolderLocation(0, 17, list), 0); // My Computer: no file path
    std::string buffer(260, ' ');
    EXPECT_FALSE(shell.getPathFromIdList(list, buffer));
    EXPECT_EQ(buffer, std::string(260, ' '));
    shell.releaseIdList(list);

    list = 1234;
    EXPECT_NE(shell.getSpecialFolderLocation(0, 9999, list), 0);
    EXPECT_EQ(list, 0u);
    EXPECT_FALSE(shell.getPathFromIdList(0, buffer));
    shell.releaseIdList(0);
}

TEST(RecycleBin, QueryGivesCountsOrZeros) {
    Win32Platform shell;
    for (const char* root : {"", "C:\\"}) {
        SCOPED_TRACE(root);
        platform::RecycleBinInfo info{-1, -1};
        EXPECT_EQ(shell.queryRecycleBin(root, info), S_OK)
            << "under Wine the bin is the freedesktop trash: its data folder "
               "($XDG_DATA_HOME, else ~/.local/share) must exist";
        EXPECT_GE(info.size, 0);
        EXPECT_GE(info.items, 0);
    }
    platform::RecycleBinInfo info{-1, -1};
    EXPECT_EQ(shell.queryRecycleBin("C:\\\xFF", info), E_INVALIDARG);
    EXPECT_EQ(info.size, 0);
    EXPECT_EQ(info.items, 0);
}

// --- System

TEST(Names, ComputerAndUserNameFillTheCallersBuffer) {
    struct Lookup {
        const char* what;
        bool (Win32Platform::*call)(std::string&, std::uint32_t&);
        const wchar_t* variable;      // the environment's copy of the name
        std::uint32_t sizeBeyondName; // GetUserName counts the NUL
    };
    const Lookup lookups[] = {
        {"computer", &Win32Platform::getComputerName, L"COMPUTERNAME", 0},
        {"user", &Win32Platform::getUserName, L"USERNAME", 1},
    };
    Win32Platform system;
    for (const Lookup& lookup : lookups) {
        SCOPED_TRACE(lookup.what);
        std::string buffer(255, ' ');
        std::uint32_t size = 255;
        ASSERT_TRUE((system.*lookup.call)(buffer, size));
        EXPECT_EQ(buffer.size(), 255u);
        const std::size_t nul = buffer.find('\0');
        ASSERT_NE(nul, std::string::npos);
        const std::string name = buffer.substr(0, nul);
        ASSERT_FALSE(name.empty());
        EXPECT_NE(name.front(), ' ');
        EXPECT_NE(name.back(), ' ');
        EXPECT_EQ(buffer.substr(nul + 1), std::string(255 - nul - 1, ' '));
        EXPECT_EQ(size, name.size() + lookup.sizeBeyondName);

        wchar_t variable[512] = {};
        if (GetEnvironmentVariableW(lookup.variable, variable, 512) > 0) {
            EXPECT_EQ(name, toUtf8(variable));
        }

        // Too little room: nothing written, the room needed reported.
        std::string tiny(1, ' ');
        std::uint32_t tinySize = 1;
        EXPECT_FALSE((system.*lookup.call)(tiny, tinySize));
        EXPECT_EQ(tiny, " ");
        EXPECT_EQ(tinySize, name.size() + 1);
    }
}

TEST(Drives, FixedDriveMissingDriveAndBadRoots) {
    Win32Platform system;
    EXPECT_EQ(system.getDriveType("C:\\"), static_cast<unsigned>(DRIVE_FIXED));

    const DWORD present = GetLogicalDrives();
    int missing = -1;
    for (int letter = 25; letter >= 3 && missing < 0; --letter)
        if (!(present & (1u << letter)))
            missing = letter;
    ASSERT_GE(missing, 0);
    const std::string root = std::string(1, static_cast<char>('A' + missing)) + ":\\";
    EXPECT_EQ(system.getDriveType(root), static_cast<unsigned>(DRIVE_NO_ROOT_DIR)) << root;

    EXPECT_EQ(system.getDriveType(""), static_cast<unsigned>(DRIVE_NO_ROOT_DIR));
    EXPECT_EQ(system.getDriveType(std::string("C:\\\0", 4)),
              static_cast<unsigned>(DRIVE_NO_ROOT_DIR));
}

TEST(Version, NtFamilyAndBothQueriesAgree) {
    Win32Platform system;
    const std::uint32_t packed = system.getVersion();
    EXPECT_EQ(packed & 0x80000000u, 0u);
    EXPECT_GE(packed & 0xFFu, 5u);

    platform::OsVersion version;
    ASSERT_TRUE(system.getVersionEx(version));
    EXPECT_EQ(version.major, packed & 0xFFu);
    EXPECT_EQ(version.minor, (packed >> 8) & 0xFFu);
    EXPECT_EQ(version.build & 0x7FFFu, packed >> 16);
    EXPECT_EQ(version.platformId, static_cast<std::uint32_t>(VER_PLATFORM_WIN32_NT));
}

bool privilegeEnabled(HANDLE token, const LUID& luid) {
    DWORD size = 0;
    GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
    std::string storage(size, '\0');
    if (size == 0 || !GetTokenInformation(token, TokenPrivileges, storage.data(), size, &size))
        return false;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(storage.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
        if (entry.Luid.LowPart == luid.LowPart && entry.Luid.HighPart == luid.HighPart)
            return (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return false;
}

TEST(ShutdownPrivilege, EnabledOnTheProcessToken) {
    Win32Platform system;
    const ObjectHandle process = system.getCurrentProcess();
    EXPECT_EQ(reinterpret_cast<HANDLE>(process), GetCurrentProcess());
    ObjectHandle token = 0;
    ASSERT_TRUE(system.openProcessToken(process, TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token));
    ASSERT_NE(token, 0u);

    platform::Luid luid;
    ASSERT_TRUE(system.lookupPrivilegeValue("", "SeShutdownPrivilege", luid));
    EXPECT_EQ(luid.lowPart, 19u); // SE_SHUTDOWN_PRIVILEGE on every Windows
    EXPECT_EQ(luid.highPart, 0);

    EXPECT_TRUE(system.adjustTokenPrivileges(token, false, {luid, SE_PRIVILEGE_ENABLED}));
    HANDLE tokenHandle = reinterpret_cast<HANDLE>(token);
    EXPECT_TRUE(privilegeEnabled(tokenHandle, LUID{luid.lowPart, luid.highPart}));
    CloseHandle(tokenHandle);
}

TEST(ShutdownPrivilege, UnknownPrivilegeAndNoProcessFail) {
    Win32Platform system;
    platform::Luid luid{7, 7};
    EXPECT_FALSE(system.lookupPrivilegeValue("", "SeNoSuchPrivilege", luid));
    EXPECT_EQ(luid.lowPart, 0u);
    EXPECT_EQ(luid.highPart, 0);

    ObjectHandle token = 5;
    EXPECT_FALSE(system.openProcessToken(0, TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token));
    EXPECT_EQ(token, 0u);
}

TEST(SingleInstance, TheNamedMutexLivesAsLongAsItsHolder) {
    const std::string name = "Local\\Orvela.Test." + std::to_string(GetCurrentProcessId());
    {
        Win32Platform first(name);
        EXPECT_FALSE(first.anotherInstanceRunning());
        {
            Win32Platform second(name);
            EXPECT_TRUE(second.anotherInstanceRunning());
        }
        EXPECT_FALSE(first.anotherInstanceRunning()); // the first answer stays
    }
    Win32Platform third(name);
    EXPECT_FALSE(third.anotherInstanceRunning());
}

// --- Windows Script Host

TEST(ScriptingShell, DesktopIsAFolder) {
    Win32Platform scripting;
    const std::string desktop = scripting.specialFolder("Desktop");
    EXPECT_TRUE(isFolder(desktop)) << desktop;
}

TEST(ScriptingShell, FailuresGiveTheEmptyText) {
    Win32Platform scripting;
    EXPECT_EQ(scripting.specialFolder("NoSuchFolder"), "");
    EXPECT_EQ(scripting.specialFolder("Desk\xFF"), "");
    std::string withoutCom = "unset";
    std::thread([&] { withoutCom = scripting.specialFolder("Desktop"); }).join();
    EXPECT_EQ(withoutCom, "");
}

} // namespace
} // namespace orvela::win32
