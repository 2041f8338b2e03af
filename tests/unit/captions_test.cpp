// The captions written at start-up: English whatever the language setting
// (which chooses only the weekday names), the variant-2 labels copied from the
// variant-1 ones, and the Options dialog loaded hidden by its first caption.

#include "started_app.h"

#include <gtest/gtest.h>

namespace {

using orvela::test::AppOptions;
using orvela::test::StartedApp;

TEST(Captions, AreEnglishInBothLanguagesAndLoadTheOptionsDialogHidden) {
    struct Expect {
        const char* form;
        const char* control;
        const char* caption;
    };
    constexpr Expect expected[] = {
        {"Form2", "Label10", "Switch off the computer"},
        {"Form2", "Label11", "Restart the computer"},
        {"Form2", "Label44", "Switch off the computer"},
        {"Form2", "Label43", "Restart the computer"},
        {"Form2", "Label35", "Program Files"},
        {"Form2", "Label48", "Exit Orvela"},
        {"Form2", "Label5", "   Exit Orvela"},
        {"Form2", "Label20", "   Restart the computer"},
        {"form3", "Label4", "Speed of movement of icons ( 0 - 100 )"},
        {"form3", "Command2", "Reduce"},
        {"form3", "Command3", "To show the instructions"},
    };
    for (auto [language, weekday] :
         {std::pair{"English", "Friday "}, std::pair{"Russian", "Пятница "}}) {
        SCOPED_TRACE(language);
        AppOptions options;
        options.deskvar = "1";
        options.language = language;
        StartedApp app(options);
        for (const Expect& e : expected)
            EXPECT_EQ(app.form(e.form).control(e.control).caption(), e.caption) << e.control;
        EXPECT_EQ(app.c("Label26").caption(), weekday);
        EXPECT_TRUE(app.form("form3").loaded());
        EXPECT_FALSE(app.form("form3").visible());
    }
}

} // namespace
