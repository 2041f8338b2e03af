// The whole program started on the fake platform, for tests that check a
// behaviour through the main window: screen, clock and settings file chosen
// by the test, the program folder a fresh temporary one.
#pragma once

#include "app/orvela_app.h"
#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

namespace orvela::test {

struct AppOptions {
    unsigned width = 1024, height = 768;
    std::optional<unsigned> displayHeight;
    forms::DateTime now{2004, 10, 1, 12, 0, 0, 0};
    // deskvar in an ovdata.dat written before the start (the other settings
    // at their defaults); none: the program writes a new file.
    std::optional<std::string> deskvar;
    std::string language = "English"; // Desklang in that file
    std::string shortDatePicture = "M/d/yyyy";
    std::string desktop; // the desktop folder; empty: none
    int dpi = 96;        // what the display's dpi query reports
};

class StartedApp {
public:
    explicit StartedApp(const AppOptions& o = {})
        : fake_(machine(o, dir_)), clock_(o.now),
          app_(platform_, clock_, static_cast<float>(o.width) * 15,
               static_cast<float>(o.height) * 15) {
        app_.start();
    }
    StartedApp(unsigned width, unsigned height, std::optional<unsigned> displayHeight = {})
        : StartedApp(options(width, height, displayHeight)) {}
    ~StartedApp() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    forms::Form& form2() { return *app_.runtime().findForm("Form2"); }
    forms::Control& c(const char* name, int index = -1) { return form2().control(name, index); }
    // A field of the settings record (a hidden label of Form1).
    forms::Control& setting(const char* field) {
        return app_.runtime().findForm("Form1")->control(field);
    }
    platform::fake::FakePlatform& fake() { return fake_; }
    forms::ManualClock& clock() { return clock_; }
    app::OrvelaApp& program() { return app_; }
    forms::Form& form1() { return *app_.runtime().findForm("Form1"); }
    forms::Form& form(const char* name) { return *app_.runtime().findForm(name); }
    const desktopitems::DesktopItemTable& items() const { return app_.desktopItems(); }
    desktopitems::ItemLayout& layout() { return app_.itemLayout(); }
    // n ticks of the main timer, the clock advancing 100 ms before each.
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clock_.advanceMilliseconds(100);
            app_.runtime().advance(100);
        }
    }

    // The screen becomes width x height pixels while the program runs, as
    // WM_DISPLAYCHANGE tells it.
    void displayChanged(unsigned width, unsigned height) {
        fake_.machine().screenWidth = width;
        fake_.machine().screenHeight = height;
        app_.displayChanged(width, height);
    }

    // One tick of the main timer with the clock set to t.
    void tickAt(const forms::DateTime& t) {
        clock_.set(t);
        app_.runtime().advance(100);
    }

private:
    static AppOptions options(unsigned width, unsigned height, std::optional<unsigned> display) {
        AppOptions o;
        o.width = width;
        o.height = height;
        o.displayHeight = display;
        return o;
    }
    static platform::fake::FakeMachine machine(const AppOptions& o,
                                               const std::filesystem::path& dir) {
        std::filesystem::create_directories(dir);
        if (o.deskvar) {
            std::ofstream file(dir / "ovdata.dat", std::ios::binary);
            for (int i = 0; i < 11; ++i)
                file << "\r\n";
            file << "\"" << *o.deskvar << "\"\r\n5\r\n\"" << o.language
                 << "\"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n";
        }
        platform::fake::FakeMachine m;
        m.screenWidth = o.width;
        m.screenHeight = o.height;
        m.displayHeight = o.displayHeight;
        m.programDir = dir.string();
        m.shortDatePicture = o.shortDatePicture;
        m.desktop = o.desktop;
        m.dpi = o.dpi;
        return m;
    }

    std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                                 ("orvela-test-" + std::to_string(std::random_device{}()));
    platform::fake::FakePlatform fake_;
    platform::Platform platform_ = fake_.platform();
    forms::ManualClock clock_;
    app::OrvelaApp app_;
};

} // namespace orvela::test
