// The failure report of the three programs: its texts, and a start-up that
// fails (a control name the design lacks) reported in a message box and
// ending with the exit code 1.
#include "dialog_answer.h"
#include "test_forms.h"
#include "win32/failure_report.h"
#include "win32/front_end.h"
#include "win32/utf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvela::test {
namespace {

using win32::currentFailure;

template <typename Thrown> std::string failureOf(Thrown thrown) {
    try {
        throw thrown;
    } catch (...) {
        return currentFailure();
    }
}

TEST(FailureReport, SaysWhatFailedInTheDebugLineAndTheStartUpMessage) {
    EXPECT_EQ(failureOf(std::out_of_range("Form2: no control Label999")),
              "Form2: no control Label999");
    EXPECT_EQ(failureOf(42), "unknown exception");
    EXPECT_EQ(win32::failureLine("event", "Form2: no control Label999"),
              L"orvela: event failed: Form2: no control Label999\n");
    EXPECT_EQ(win32::startFailureText(L"Orvela", "Form2: no control Label999"),
              L"Orvela could not start: Form2: no control Label999");
    // UTF-8 comes out as the letters it spells; a text that is no UTF-8 (an
    // ANSI system message) byte by byte rather than not at all.
    EXPECT_EQ(win32::startFailureText(L"Orvela Setup", "\xD0\x9F\xD1\x83\xD1\x82\xD1\x8C"),
              L"Orvela Setup could not start: \u041F\u0443\u0442\u044C");
    EXPECT_EQ(win32::failureLine("start", "caf\xE9"), L"orvela: start failed: caf\u00E9\n");
}

const forms::FormDesign mainDesign{.name = "Main",
                                   .caption = "Main",
                                   .width = 100 * px,
                                   .height = 100 * px,
                                   .borderless = true,
                                   .controls = {}};

// Start-up shows the form, whose Load handler asks for a control its design
// lacks, as a misspelt name would.
class MisspeltStartUp final : public TestProgram {
public:
    MisspeltStartUp() : form_(add(mainDesign)) {
        form_.onLoad([this](const forms::Event&) { form_.control("Lable1").setCaption("x"); });
    }
    void start() override { form_.show(); }
    std::wstring name() const override { return L"Orvela Test"; }

private:
    forms::Form& form_;
};

// Adds a static control's text to the list (a stdcall callback, which a
// lambda is not on i686).
BOOL CALLBACK addStaticText(HWND child, LPARAM result) {
    wchar_t name[16] = {}, text[512] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextW(child, text, 512) > 0)
        reinterpret_cast<std::vector<std::wstring>*>(result)->push_back(text);
    return TRUE;
}

// The texts of a message box's static controls, and its title.
std::vector<std::wstring> boxTexts(HWND box) {
    std::vector<std::wstring> texts;
    wchar_t title[128] = {};
    GetWindowTextW(box, title, 128);
    texts.push_back(title);
    EnumChildWindows(box, addStaticText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

TEST(FailingStartUp, ShowsWhyInAMessageBoxAndEndsWithOne) {
    MisspeltStartUp program;
    win32::FrontEnd frontEnd(program);
    std::vector<std::wstring> texts;
    const win32::DialogAnswer answer(GetCurrentThreadId(), [&](HWND box) {
        texts = boxTexts(box);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(frontEnd.run(), 1);
    EXPECT_TRUE(answer.found());
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), L"Orvela Test");
    const std::wstring expected = L"Orvela Test could not start: Main: no control Lable1";
    std::wstring shown;
    for (const std::wstring& text : texts)
        shown += text + L" | ";
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << win32::toUtf8(shown);
}

} // namespace
} // namespace orvela::test
