// The digital clocks of the three variants, the weekday and date lines in
// both languages, and the analogue hands of variant 1.

#include "shell/clock_faces.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace orvela;

TEST(ClockFaces, EachVariantShowsTwoDigitFieldsOfOneReading) {
    struct Group {
        const char* deskvar;
        const char *hours, *minutes, *seconds;
    };
    const Group groups[] = {{"1", "Label209", "Label208", "Label210"},
                            {"2", "Label30", "Label29", "Label31"},
                            {"3", "Label57", "Label56", "Label58"}};
    struct Time {
        int h, m, s;
        const char *hh, *mm, *ss;
    };
    const Time times[] = {{9, 5, 7, "09", "05", "07"},
                          {10, 0, 0, "10", "00", "00"},
                          {0, 0, 0, "00", "00", "00"},
                          {23, 59, 59, "23", "59", "59"}};
    for (const Group& g : groups) {
        test::AppOptions o;
        o.deskvar = g.deskvar;
        test::StartedApp app(o);
        EXPECT_EQ(app.c(g.seconds).caption(), "00"); // until the first tick
        for (const Time& t : times) {
            SCOPED_TRACE(testing::Message() << "variant " << g.deskvar << " at " << t.hh);
            app.tickAt({2004, 10, 1, t.h, t.m, t.s, 0});
            EXPECT_EQ(app.c(g.hours).caption(), t.hh);
            EXPECT_EQ(app.c(g.minutes).caption(), t.mm);
            EXPECT_EQ(app.c(g.seconds).caption(), t.ss);
        }
    }
}

TEST(ClockFaces, WeekdayNamesByLanguage) {
    EXPECT_STREQ(shell::weekdayName(1, shell::Language::English), "Monday ");
    EXPECT_STREQ(shell::weekdayName(7, shell::Language::Russian), "Воскресенье ");
    EXPECT_STREQ(shell::weekdayName(3, shell::Language::Russian), "Среда ");
    EXPECT_EQ(shell::weekdayName(0, shell::Language::English), nullptr);
    EXPECT_EQ(shell::weekdayName(8, shell::Language::Russian), nullptr);
}

TEST(ClockFaces, DateLinesOfAllThreeVariants) {
    struct Case {
        const char* language;
        const char* picture;
        const char* weekday;
        const char* date;
    };
    // 2004-10-03 was a Sunday.
    const Case cases[] = {{"Russian", "dd.MM.yyyy", "Воскресенье ", "03.10.2004"},
                          {"English", "M/d/yyyy", "Sunday ", "10/3/2004"},
                          {"German", "yyyy-MM-dd", "Sunday ", "2004-10-03"}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.language);
        test::AppOptions o;
        o.shortDatePicture = k.picture;
        test::StartedApp app(o);
        app.setting("Desklang").setCaption(k.language);
        app.tickAt({2004, 10, 3, 0, 0, 2, 0}); // the midnight refresh of variant 1
        const std::string line = std::string(k.weekday) + k.date;
        EXPECT_EQ(app.c("Label202").caption(), line);
        EXPECT_EQ(app.c("Label53").caption(), line);
        EXPECT_EQ(app.c("Label26").caption(), k.weekday);
        EXPECT_EQ(app.c("Label32").caption(), k.date);
    }
}

TEST(ClockFaces, HandsAroundTheClockCentreScaledByScreenHeight) {
    struct Case {
        unsigned w, h;
        forms::DateTime now;
        const char* line;
        float x1, y1, x2, y2;
    };
    const Case cases[] = {
        // k = 1: centre (7880, 5510); the second hand at 12:00:15 points right.
        {1024, 768, {2004, 10, 1, 12, 0, 15, 0}, "Line1", 7880, 5510, 11680, 5510},
        // 03:00:00: the hour hand points exactly right, the minute hand up.
        {1024, 768, {2004, 10, 1, 3, 0, 0, 0}, "Line3", 7880, 5510, 10380, 5510},
        {1024, 768, {2004, 10, 1, 3, 0, 0, 0}, "Line2", 7880, 5510, 7880, 2310},
        {1024, 768, {2004, 10, 1, 3, 0, 0, 0}, "Line4", 7880, 5510, 7880, 5510},
        // 1280x1024: the width decides, s = 1280 / 1024 = 1.25; centre
        // (9600 + 200 s, 7680 - 250 s), the hour hand 2500 s long.
        {1280, 1024, {2004, 10, 1, 6, 0, 0, 0}, "Line3", 9850, 7367.5f, 9850, 10492.5f},
        // 1920x1080: the height decides, s = 1080 / 768 = 1.40625.
        {1920,
         1080,
         {2004, 10, 1, 6, 0, 0, 0},
         "Line3",
         14681.25f,
         7748.4375f,
         14681.25f,
         11264.0625f},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.line);
        test::AppOptions o;
        o.width = k.w;
        o.height = k.h;
        test::StartedApp app(o);
        app.tickAt(k.now);
        const forms::Control& line = app.c(k.line);
        EXPECT_NEAR(line.x1(), k.x1, 0.01);
        EXPECT_NEAR(line.y1(), k.y1, 0.01);
        EXPECT_NEAR(line.x2(), k.x2, 0.01);
        EXPECT_NEAR(line.y2(), k.y2, 0.01);
    }
    test::StartedApp app;
    app.tick();
    EXPECT_EQ(app.c("Line4").borderColor(), app.fake().machine().activeCaptionColor);
}

} // namespace
