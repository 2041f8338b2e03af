// The typed settings record: what each stored text means, the texts the
// program writes, and the mirror into Form1's value labels.

#include "desktopitems/form1_design.h"
#include "forms/runtime.h"
#include "shell/desktop_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace orvela;
using shell::Stored;
using shell::Variant;

TEST(StoredValue, TextsTheProgramDoesNotWriteMeanNothingAndStayAsTheyAre) {
    struct Case {
        std::string text;
        std::optional<bool> flag;
        std::optional<Variant> variant;
        std::optional<int> weekday;
        double number;
    };
    const Case cases[] = {
        {"1", true, Variant::One, 1, 1},
        {"0", false, std::nullopt, std::nullopt, 0},
        {"3", std::nullopt, Variant::Three, 3, 3},
        {"7", std::nullopt, std::nullopt, 7, 7},
        {"", std::nullopt, std::nullopt, std::nullopt, 0},
        {" 1", std::nullopt, std::nullopt, std::nullopt, 1},
        {"12", std::nullopt, std::nullopt, std::nullopt, 12},
        {"2.5x", std::nullopt, std::nullopt, std::nullopt, 2.5},
        {std::string("1\0", 2), std::nullopt, std::nullopt, std::nullopt, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + c.text + '"');
        EXPECT_EQ(Stored<bool>{c.text}.value(), c.flag);
        EXPECT_EQ(Stored<Variant>{c.text}.value(), c.variant);
        EXPECT_EQ(Stored<int>{c.text}.value(), c.weekday);
        EXPECT_EQ(Stored<double>{c.text}.value(), c.number);
        EXPECT_EQ(Stored<shell::Language>{c.text}.value(), shell::Language::English);
    }
    EXPECT_EQ(Stored<shell::Language>{"Russian"}.value(), shell::Language::Russian);
}

TEST(StoredValue, SetWritesTheProgramsOwnTexts) {
    Stored<bool> flag{"x"};
    flag.set(true);
    EXPECT_EQ(flag.text, "1");
    Stored<Variant> variant{"9"};
    variant.set(Variant::Two);
    EXPECT_EQ(variant.text, "2");
    Stored<double> number;
    number.set(22.0 / 15);
    EXPECT_EQ(number.text, "1.46666666666667");
    Stored<shell::Language> language;
    language.set(shell::Language::Russian);
    EXPECT_EQ(language.text, "Russian");
}

TEST(DesktopSettings, TheRecordIsWhatFormOnesLabelsHoldBothWays) {
    forms::ManualClock clock;
    forms::Runtime runtime(clock, 15360, 11520);
    forms::Form& form1 = runtime.addForm(desktopitems::form1Design());
    shell::DesktopSettings settings(form1);

    // The design captions are the values before any settings file.
    EXPECT_EQ(settings.variant(), Variant::One);
    EXPECT_EQ(settings.values().stripStep.text, "10");
    EXPECT_EQ(settings.values().committedPicture, " ");

    settings.update([](shell::SettingsValues& v) {
        v.variant.set(Variant::Three);
        v.starsOn.set(false);
        v.picture = "C:/sky.jpg";
    });
    EXPECT_EQ(form1.control("deskvar").caption(), "3");
    EXPECT_EQ(form1.control("V2Stars").caption(), "0");
    EXPECT_EQ(form1.control("v3pic1").caption(), "C:/sky.jpg");
    EXPECT_FALSE(settings.starsOn());

    form1.control("V2Stars").setCaption("junk"); // neither on nor off: the stars run
    EXPECT_TRUE(settings.starsOn());
    form1.control("deskvar").setCaption("4"); // no such variant: variant 1 shows
    EXPECT_EQ(settings.variant(), Variant::One);
    EXPECT_EQ(settings.storedTexts()[0], "4") << "the text itself is kept";
}

} // namespace
