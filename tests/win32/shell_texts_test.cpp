// The dialog filter, hot-key and icon-location texts in the forms Windows takes.
#include "win32/shell_texts.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace orvela::win32 {
namespace {

using namespace std::string_literals;

TEST(OpenFileFilter, PairsBecomeNulSeparatedAndTheListEndsWithTwoNuls) {
    struct Case {
        std::wstring classic;
        std::wstring expected;
    };
    const Case cases[] = {
        {L"Images|*.BMP;*.GIF|All Files|*.*", L"Images\0*.BMP;*.GIF\0All Files\0*.*\0\0"s},
        {L"Text|*.txt", L"Text\0*.txt\0\0"s},
        {L"", L""},
        {L"Lone name", L""},
        {L"Text|*.txt|", L"Text\0*.txt\0\0"s},               // a trailing separator
        {L"Text|*.txt|Lone", L"Text\0*.txt\0\0"s},           // a name without its pattern
        {L"|*.txt|All|*.*", L"*.txt\0*.txt\0All\0*.*\0\0"s}, // no name: the pattern shows
        {L"Nothing||All|*.*", L"All\0*.*\0\0"s},             // no pattern: left out
        {L"\u0424\u043E\u0442\u043E|*.jpg", L"\u0424\u043E\u0442\u043E\0*.jpg\0\0"s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openFileFilter(c.classic), c.expected)
            << std::string(c.classic.begin(), c.classic.end());
}

TEST(OpenFileFilter, InitialFolderTakesBackslashes) {
    EXPECT_EQ(withBackslashes(L"c:/Program Files/Orvela/"), L"c:\\Program Files\\Orvela\\");
    EXPECT_EQ(withBackslashes(L"c:\\mixed/path"), L"c:\\mixed\\path");
    EXPECT_EQ(withBackslashes(L""), L"");
}

TEST(HotKey, ModifiersThenOneKey) {
    struct Case {
        const char* text;
        BYTE key;
        BYTE modifiers;
    };
    const Case cases[] = {
        {"CTRL+SHIFT+C", 'C', HOTKEYF_CONTROL | HOTKEYF_SHIFT},
        {"ctrl+shift+c", 'C', HOTKEYF_CONTROL | HOTKEYF_SHIFT},
        {"Shift+Ctrl+C", 'C', HOTKEYF_CONTROL | HOTKEYF_SHIFT},
        {"ALT+CTRL+F12", VK_F12, HOTKEYF_ALT | HOTKEYF_CONTROL},
        {"Alt+F5", VK_F5, HOTKEYF_ALT},
        {"CTRL+F1", VK_F1, HOTKEYF_CONTROL},
        {"F24", VK_F24, 0},
        {"EXT+ALT+Home", VK_HOME, HOTKEYF_EXT | HOTKEYF_ALT},
        {"CTRL+ALT+7", '7', HOTKEYF_CONTROL | HOTKEYF_ALT},
        {"CTRL + SHIFT + Z", 'Z', HOTKEYF_CONTROL | HOTKEYF_SHIFT},
        {"CTRL+CTRL+A", 'A', HOTKEYF_CONTROL},
        {"x", 'X', 0},
        {"CTRL+PageUp", VK_PRIOR, HOTKEYF_CONTROL},
        {"CTRL+Enter", VK_RETURN, HOTKEYF_CONTROL},
        {"CTRL+Return", VK_RETURN, HOTKEYF_CONTROL},
        {"CTRL+Left", VK_LEFT, HOTKEYF_CONTROL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseHotKey(c.text), MAKEWORD(c.key, c.modifiers)) << c.text;
}

TEST(HotKey, TextsThatDoNotParseGiveNoHotKey) {
    for (const char* text :
         {"", " ", "CTRL", "CTRL+", "+C", "CTRL++C", "C+CTRL", "CTRL+C+D", "CTRL+SHIFT", "F0",
          "F25", "F1X", "F100", "CTRL+\xC3\x84", "CTRL+AB", "CONTROL+C", "CTRL-C", "CTRL+ C D"})
        EXPECT_EQ(parseHotKey(text), 0) << text;
    EXPECT_EQ(parseHotKey(std::string("CTRL+\0C", 7)), 0);
}

TEST(IconLocation, SplitAtTheLastComma) {
    struct Case {
        std::wstring location;
        std::wstring path;
        int index;
    };
    const Case cases[] = {
        {L"X.exe,0", L"X.exe", 0},
        {L"C:\\Orvela\\Orvela.exe,2", L"C:\\Orvela\\Orvela.exe", 2},
        {L"shell32.dll,-154", L"shell32.dll", -154},
        {L"C:\\a,b\\icons.dll,3", L"C:\\a,b\\icons.dll", 3},
        {L"X.exe", L"X.exe", 0},
        {L"", L"", 0},
        {L"X.exe,", L"X.exe", 0},
        {L"X.exe, 4", L"X.exe", 4},
        {L"X.exe,+5", L"X.exe", 5},
        {L"X.exe,12abc", L"X.exe", 12},
        {L"X.exe,abc", L"X.exe", 0},
        {L"X.exe,99999999999999", L"X.exe", 2147483647},
        {L"X.exe,-99999999999999", L"X.exe", -2147483647},
    };
    for (const Case& c : cases) {
        const IconLocation split = splitIconLocation(c.location);
        EXPECT_EQ(split.path, c.path);
        EXPECT_EQ(split.index, c.index) << split.index;
    }
}

} // namespace
} // namespace orvela::win32
