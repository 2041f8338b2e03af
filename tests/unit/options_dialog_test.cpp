// The Options dialog through the started program: limits of the live
// speeds, the strip level's arithmetic at two screen sizes, the language
// reaching the date line, what Cancel shows again, and a
// shortcut that cannot be made.
#include "started_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace orvela {
namespace {

using forms::Event;
using forms::EventType;
using test::AppOptions;
using test::StartedApp;

forms::Form& dialog(StartedApp& app) {
    return app.form("form3");
}

void press(StartedApp& app, const char* button) {
    forms::Form& f = dialog(app);
    f.dispatch(&f.control(button), Event{EventType::Click});
}

// Opens the Options dialog from the desktop, freshly loaded, so that its
// opening steps read the settings as the test left them.
void openOptions(StartedApp& app) {
    dialog(app).unload();
    app.form2().dispatch(&app.c("nastroyki"), Event{EventType::Click});
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(OptionsDialog, SpeedButtonsStopAtTheirLimitsAndShowAtOnce) {
    struct Case {
        const char* field;
        const char* stored;
        const char* button;
        const char* label;
        const char* shown;  // the label after two presses
        const char* result; // the field after two presses
    };
    const Case cases[] = {
        {"V1speed", "99", "Command1", "Label5", "100", "100"},
        {"V1speed", "1", "Command2", "Label5", "0", "0"},
        {"v3shag", "285", "Command8", "Label22", "20", "300"}, // level 19 with u = 15
        {"v3shag", "15", "Command7", "Label22", "0", "0"},
        {"v3shag", "15", "Command8", "Label22", "3", "45"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " from " + c.stored);
        StartedApp app;
        app.setting(c.field).setCaption(c.stored);
        openOptions(app);
        press(app, c.button);
        press(app, c.button);
        EXPECT_EQ(dialog(app).control(c.label).caption(), c.shown);
        EXPECT_EQ(app.setting(c.field).caption(), c.result);
    }
}

TEST(OptionsDialog, StripLevelIsTheStepOverTheStripIconsTwipsPerPixel) {
    struct Case {
        unsigned width, height;
        const char* step;
        const char* opened;    // Label22 when the dialog opens
        const char* increased; // v3shag after one Increase
    };
    const Case cases[] = {
        {1024, 768, "22", "1.46666666666667", "30"}, // u = 480 / 32 = 15
        {800, 600, "15", "1.28", "23.4375"},         // u = 375 / 32 = 11.71875
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        StartedApp app(c.width, c.height);
        app.setting("v3shag").setCaption(c.step);
        openOptions(app);
        EXPECT_EQ(dialog(app).control("Label22").caption(), c.opened);
        press(app, "Command8");
        EXPECT_EQ(app.setting("v3shag").caption(), c.increased);
    }
}

TEST(OptionsDialog, AppliedLanguageReachesTheDateLineOnTheNextTick) {
    AppOptions o;
    o.deskvar = "3";
    StartedApp app(o);
    const std::string english = app.c("Label53").caption();
    openOptions(app);
    dialog(app).control("Combo1").setListIndex(1);
    press(app, "cmdApply");
    EXPECT_EQ(app.setting("Desklang").caption(), "Russian");
    app.tick();
    EXPECT_EQ(app.c("Label53").caption(), "Пятница 10/1/2004");
    EXPECT_NE(english, app.c("Label53").caption());
}

// Cancel shows what the dialog opened with: the background shown then (the
// built-in one on a first run, a file once one was committed) and the
// language, whatever was chosen and applied meanwhile.
TEST(OptionsDialog, CancelShowsTheBackgroundAndLanguageTheDialogOpenedWith) {
    for (bool committed : {false, true}) {
        SCOPED_TRACE(committed ? "a committed picture" : "a first run");
        StartedApp app;
        const std::string dir = app.fake().machine().programDir;
        writeFile(dir + "/sky.gif", "GIF89a");
        writeFile(dir + "/moon.gif", "GIF89a");
        writeFile(dir + "/image.jpg", "\xFF\xD8\xFF\xE0");
        if (committed) {
            openOptions(app);
            app.fake().machine().fileAnswers.emplace_back(dir + "/moon.gif");
            press(app, "Command9");
            press(app, "cmdOK");
        }
        const forms::Picture shown = app.c("Image19").picture();
        openOptions(app);
        app.fake().machine().fileAnswers.emplace_back(dir + "/sky.gif");
        press(app, "Command9");
        dialog(app).control("Combo1").setListIndex(1);
        press(app, "cmdApply");
        ASSERT_EQ(app.c("Image19").picture().source, dir + "/sky.gif");
        ASSERT_EQ(app.setting("Desklang").caption(), "Russian");
        press(app, "cmdCancel");
        EXPECT_EQ(app.c("Image19").picture().source, shown.source);
        EXPECT_EQ(app.c("Image19").picture().kind, shown.kind);
        EXPECT_EQ(app.setting("Desklang").caption(), "English");
        EXPECT_EQ(app.c("Label202").caption().rfind("Friday", 0), 0u) << "2004-10-01 in English";
        // The stored picture follows the first-run rule: the program
        // folder's image.jpg stands for the default once cancelled.
        EXPECT_EQ(app.setting("v3pic1").caption(),
                  committed ? dir + "/moon.gif" : dir + "/image.jpg");
    }
}

TEST(OptionsDialog, AutostartThatCannotBeWrittenStaysOffAndTheDialogGoesOn) {
    StartedApp app; // no StartUp folder: the scripting shell gives an empty text
    openOptions(app);
    dialog(app).control("Combo3").setListIndex(0);
    press(app, "cmdApply");
    EXPECT_EQ(app.setting("autostartme").caption(), "0");
    EXPECT_EQ(dialog(app).control("Combo3").listIndex(), 1) << "shown as No";
    const auto calls = app.fake().takeCalls();
    for (const std::string& call : calls)
        EXPECT_EQ(call.find("CreateShortCut"), std::string::npos) << call;
    press(app, "cmdOK");
    EXPECT_FALSE(dialog(app).loaded());
}

} // namespace
} // namespace orvela
