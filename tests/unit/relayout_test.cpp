// Laying the main window out again for a new screen while the program runs:
// the layout starts from the design, so it gives exactly what a start at
// that size gives (every property of every control), and going back gives
// the first layout again; the running state (variant, ring angle, strip,
// stars, the Options dialog) stays.

#include "dump.h"
#include "forms/runtime.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace {

using namespace orvela;
using test::AppOptions;
using test::StartedApp;

// Every property of the form and of each of its controls, one a line. A
// hidden element of the strip shows nothing and is set afresh when it shows
// again, so what a wider strip left in it is not compared.
std::string dumpAll(const forms::Form& f) {
    std::string out;
    for (const auto& [prop, value] : sim::formProperties(f))
        out += prop + " = " + value + "\n";
    for (const auto& c : f.controls()) {
        if (c->parent() && c->parent()->name() == "Frame5" && !c->visible())
            continue;
        for (const auto& [prop, value] : sim::controlProperties(*c))
            out += c->qualifiedName() + "." + prop + " = " + value + "\n";
    }
    return out;
}

// The lines where two dumps differ, a few at most: empty when they agree.
std::string differences(const std::string& got, const std::string& want) {
    std::istringstream a(got), b(want);
    std::string la, lb, out;
    int shown = 0;
    while (shown < 8) {
        // Both are read each round; a dump that has ended gives empty lines.
        const bool moreA = static_cast<bool>(std::getline(a, la));
        const bool moreB = static_cast<bool>(std::getline(b, lb));
        if (!moreA && !moreB)
            break;
        if (!moreA)
            la.clear();
        if (!moreB)
            lb.clear();
        if (la != lb) {
            out += "got  " + la + "\nwant " + lb + "\n";
            ++shown;
        }
    }
    return out;
}

class Relayout : public ::testing::Test {
protected:
    Relayout() {
        std::filesystem::create_directories(desktop_);
        for (const char* name : {"a.txt", "b.txt", "c.exe", "d.ini", "e.doc"})
            std::ofstream(desktop_ / name) << name;
    }
    ~Relayout() override {
        std::error_code ec;
        std::filesystem::remove_all(desktop_, ec);
    }
    AppOptions options(unsigned w, unsigned h, const char* variant) const {
        AppOptions o;
        o.width = w;
        o.height = h;
        o.deskvar = variant;
        o.desktop = desktop_.string();
        return o;
    }

    std::filesystem::path desktop_ = std::filesystem::temp_directory_path() /
                                     ("orvela-desk-" + std::to_string(std::random_device{}()));
};

struct Size {
    unsigned w, h;
};

TEST_F(Relayout, EqualsAStartAtTheNewSizeAndComesBackExactly) {
    struct Change {
        const char* variant;
        Size from, to;
    };
    const Change changes[] = {{"1", {1024, 768}, {1920, 1080}},
                              {"1", {1920, 1080}, {1366, 768}},
                              {"2", {800, 600}, {1080, 1920}},
                              {"3", {1280, 1024}, {1600, 1200}},
                              {"3", {1024, 768}, {3840, 2160}}};
    for (const auto& [variant, from, to] : changes) {
        SCOPED_TRACE(testing::Message() << "variant " << variant << ": " << from.w << "x" << from.h
                                        << " to " << to.w << "x" << to.h);
        StartedApp moved(options(from.w, from.h, variant));
        moved.tick(3);
        const std::string before = dumpAll(moved.form2());
        moved.displayChanged(to.w, to.h);
        StartedApp fresh(options(to.w, to.h, variant));
        fresh.tick(3);
        EXPECT_EQ(differences(dumpAll(moved.form2()), dumpAll(fresh.form2())), "");
        moved.displayChanged(from.w, from.h);
        EXPECT_EQ(differences(dumpAll(moved.form2()), before), "");
    }
}

TEST_F(Relayout, KeepsTheRunningStateAndTheStripInRange) {
    StartedApp app(options(1920, 1080, "3"));
    app.tick(400); // the strip runs far left on the wide screen
    const float left = app.c("Frame5").left();
    app.displayChanged(1024, 768);
    EXPECT_EQ(app.c("Frame5").left(), left); // still within the narrower strip
    EXPECT_TRUE(app.c("V3Frame").visible());
    app.displayChanged(3840, 2160);
    // The strip is wider now; its right edge still reaches the screen's.
    EXPECT_GE(app.c("Frame5").left() + app.c("Frame5").width(), 3840 * 15);

    StartedApp one(options(1024, 768, "1"));
    one.tick(5);
    const std::string angle = one.c("Label7").caption();
    one.form2().dispatch(&one.c("nastroyki"), forms::Event{forms::EventType::Click});
    forms::Form& dialog = one.form("form3");
    ASSERT_TRUE(dialog.visible());
    one.displayChanged(1920, 1080);
    EXPECT_EQ(one.c("Label7").caption(), angle);
    EXPECT_EQ(one.form2().width(), 1920 * 15);
    // The dialog stays open, centred on the new screen.
    EXPECT_TRUE(dialog.visible());
    EXPECT_NEAR(dialog.left() + dialog.width() / 2, 1920 * 15 / 2, 15);
    EXPECT_NEAR(dialog.top() + dialog.height() / 2, 1080 * 15 / 2, 15);
}

TEST_F(Relayout, SizesNoScreenHasAreIgnored) {
    StartedApp app(options(1024, 768, "1"));
    const std::string before = dumpAll(app.form2());
    for (const Size s : {Size{0, 768}, Size{1024, 0}, Size{32768, 768}, Size{1024, 40000}})
        app.displayChanged(s.w, s.h);
    EXPECT_EQ(differences(dumpAll(app.form2()), before), "");
}

} // namespace
