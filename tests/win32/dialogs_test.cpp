// The standard dialogs, answered by a helper thread as a user would, and the
// picture-file check.
#include "dialog_answer.h"
#include "temp_folder.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <string>

namespace orvela::win32 {
namespace {

std::wstring windowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

TEST(MessageBoxDialog, GivesTheButtonChosenWithTheStyleAndTitleGiven) {
    Win32Platform dialogs;
    struct Case {
        unsigned style;
        int button;
        bool hasNo;
    };
    const Case cases[] = {
        {platform::mbYesNo | platform::mbIconQuestion, IDNO, true},
        {platform::mbOkOnly | platform::mbIconInformation, IDOK, false},
    };
    // Each box takes a moment to go under Wine: two cases only.
    for (const Case& c : cases) {
        std::wstring title;
        bool hasNo = false;
        const DialogAnswer answer(GetCurrentThreadId(), [&](HWND box) {
            title = windowText(box);
            hasNo = GetDlgItem(box, IDNO) != nullptr;
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
        });
        // "Орвела" as the title.
        EXPECT_EQ(dialogs.messageBox(0, "Text", c.style,
                                     "\xD0\x9E\xD1\x80\xD0\xB2\xD0\xB5\xD0\xBB\xD0\xB0"),
                  c.button);
        EXPECT_TRUE(answer.found());
        EXPECT_EQ(title, L"\u041E\u0440\u0432\u0435\u043B\u0430");
        EXPECT_EQ(hasNo, c.hasNo) << c.style;
    }
    EXPECT_EQ(dialogs.messageBox(0, "bad\xFF", platform::mbOkOnly, "title"), 0);
}

using OpenFileDialog = TempFolder;

// Types name into the file-name field and presses Open.
void typeAndOpen(HWND dialog, const std::wstring& name) {
    SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(OpenFileDialog, StartsInTheInitialFolderAndGivesTheChosenFullPath) {
    Win32Platform dialogs;
    ASSERT_TRUE(writeBytes(widePath(L"\u0424\u043E\u0442\u043E.bmp"), "BM")); // Фото.bmp
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    std::string initialDir = dir_;
    for (char& c : initialDir)
        if (c == '\\')
            c = '/';
    const DialogAnswer answer(GetCurrentThreadId(), [](HWND dialog) {
        typeAndOpen(dialog, L"\u0424\u043E\u0442\u043E.bmp");
    });
    const auto chosen =
        dialogs.getOpenFileName(0, {initialDir, "Pictures|*.bmp;*.gif|All Files|*.*", 2});
    EXPECT_TRUE(answer.found());
    EXPECT_EQ(chosen, path("\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE.bmp"));
    wchar_t after[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_EQ(std::wstring(after), std::wstring(before)); // the dialog leaves it as it was
}

TEST_F(OpenFileDialog, CancelGivesNothing) {
    Win32Platform dialogs;
    const DialogAnswer answer(GetCurrentThreadId(), [](HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(dialogs.getOpenFileName(0, {dir_, "", 1}), std::nullopt);
    EXPECT_TRUE(answer.found());
}

TEST_F(OpenFileDialog, TextsWindowsCannotHoldShowNoDialog) {
    Win32Platform dialogs;
    EXPECT_EQ(dialogs.getOpenFileName(0, {"C:\\\xFF", "All|*.*", 1}), std::nullopt);
    EXPECT_EQ(dialogs.getOpenFileName(0, {dir_, std::string("All|*.*\0x", 9), 1}), std::nullopt);
}

// A 1x1 24-bit BMP and a 1x1 GIF.
const std::string bmpBytes("BM\x3A\0\0\0\0\0\0\0\x36\0\0\0"
                           "\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x04\0\0\0"
                           "\x13\x0B\0\0\x13\x0B\0\0\0\0\0\0\0\0\0\0"
                           "\xFF\0\0\0",
                           58);
const std::string gifBytes("GIF89a\x01\0\x01\0\x80\0\0\0\0\0\xFF\xFF\xFF"
                           ",\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;",
                           35);

using PictureFile = TempFolder;

TEST_F(PictureFile, LoadsPicturesAndNamesWhatIsWrongWithTheRest) {
    Win32Platform dialogs;
    ASSERT_TRUE(writeBytes(widePath(L"\u0424\u043E\u0442\u043E.bmp"), bmpBytes)); // Фото.bmp
    ASSERT_TRUE(writeBytes(widePath(L"pic.gif"), gifBytes));
    ASSERT_TRUE(writeBytes(widePath(L"text.gif"), "not a picture at all\r\n"));
    ASSERT_TRUE(writeBytes(widePath(L"empty.bmp"), ""));
    ASSERT_TRUE(CreateDirectoryW(widePath(L"folder.bmp").c_str(), nullptr));
    struct Case {
        std::string path;
        int error;
        const char* description;
    };
    const Case cases[] = {
        {path("\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE.bmp"), 0, ""},
        {path("pic.gif"), 0, ""},
        {dir_ + "/pic.gif", 0, ""},
        {path("text.gif"), 481, "Invalid picture"},
        {path("empty.bmp"), 481, "Invalid picture"},
        {path("missing.bmp"), 53, "File not found"},
        {path("folder.bmp"), 53, "File not found"},
        {path("missing\\pic.gif"), 53, "File not found"},
        {"", 53, "File not found"},
        {path("bad\xFF.bmp"), 53, "File not found"},
        {std::string("pic.gif\0x", 9), 53, "File not found"},
    };
    for (const Case& c : cases) {
        const platform::PictureLoad load = dialogs.loadPicture(c.path);
        EXPECT_EQ(load.error, c.error) << c.path;
        EXPECT_EQ(load.description, c.description) << c.path;
    }
}

TEST_F(PictureFile, RelativePathLoadsFromTheCurrentFolder) {
    Win32Platform dialogs;
    ASSERT_TRUE(writeBytes(widePath(L"pic.gif"), gifBytes));
    wchar_t before[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, before), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(wideDir_.c_str()));
    const platform::PictureLoad relative = dialogs.loadPicture("pic.gif");
    const platform::PictureLoad dotted = dialogs.loadPicture(".\\pic.gif");
    const platform::PictureLoad missing = dialogs.loadPicture("none.gif");
    SetCurrentDirectoryW(before);
    EXPECT_EQ(relative.error, 0);
    EXPECT_EQ(dotted.error, 0);
    EXPECT_EQ(missing.error, 53);
}

} // namespace
} // namespace orvela::win32
