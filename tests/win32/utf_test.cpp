#include "win32/utf.h"

#include <gtest/gtest.h>

#include <string>

namespace orvela::win32 {
namespace {

TEST(Utf, TextsRoundTripBetweenUtf8AndUtf16) {
    struct Case {
        std::string utf8;
        std::wstring wide;
    };
    const Case cases[] = {
        {"", L""},
        {"Orvela", L"Orvela"},
        {"\xD0\xA0\xD0\xB0\xD0\xB1\xD0\xBE\xD1\x87\xD0\xB8\xD0\xB9 "
         "\xD1\x81\xD1\x82\xD0\xBE\xD0\xBB",
         L"\u0420\u0430\u0431\u043E\u0447\u0438\u0439 \u0441\u0442\u043E\u043B"}, // Рабочий стол
        {"\xF0\x9F\x98\x80", L"\xD83D\xDE00"}, // outside the BMP: a surrogate pair
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toWide(c.utf8), c.wide) << c.utf8;
        EXPECT_EQ(toUtf8(c.wide), c.utf8) << c.utf8;
    }
}

TEST(Utf, InvalidUtf8GivesNothing) {
    const char* invalid[] = {
        "\xFF",             // never a UTF-8 byte
        "abc\xC3",          // cut short
        "\xC3\x28",         // bad continuation
        "\xC0\xAF",         // overlong '/'
        "\xED\xA0\x80",     // an encoded surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
    };
    for (const char* text : invalid)
        EXPECT_EQ(toWide(text), std::nullopt) << testing::PrintToString(std::string(text));
}

TEST(Utf, UnpairedSurrogatesBecomeReplacementCharacters) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(toUtf8(L"a\xD800"
                     L"b"),
              "a" + replacement + "b");
    EXPECT_EQ(toUtf8(L"\xDC00"), replacement);
    EXPECT_EQ(toUtf8(L"\xDE00\xD83D"), replacement + replacement); // pair in the wrong order
    EXPECT_EQ(toUtf8(L"x\xD83D"), "x" + replacement);              // high half at the end
}

} // namespace
} // namespace orvela::win32
