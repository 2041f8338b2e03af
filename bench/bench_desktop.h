// The program on the fake platform in one display variant, with n documents
// on its desktop, scanned and shown as the program shows them (ring icons
// and captions, the grid of variant 2, the strip of variant 3), for the tick
// and repaint benchmarks.
#pragma once

#include "app/orvela_app.h"
#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace orvela::bench {

class BenchDesktop {
public:
    BenchDesktop(int variant, int items, const std::filesystem::path& dir)
        : fake_(machine(variant, items, dir)), platform_(fake_.platform()),
          clock_({2026, 12, 8, 12, 0, 0, 0}), app_(platform_, clock_, 1024 * 15.0f, 768 * 15.0f) {
        app_.start();
    }

    app::OrvelaApp& app() { return app_; }
    forms::Form& form2() { return *app_.runtime().findForm("Form2"); }
    // One tick of the main timer, 100 ms later.
    void tick() {
        clock_.advanceMilliseconds(100);
        app_.runtime().advance(100);
    }

private:
    // The program folder, and a desktop folder of n documents of five types
    // that the program scans, lays out and draws with the shell's icons.
    static platform::fake::FakeMachine machine(int variant, int n,
                                               const std::filesystem::path& dir) {
        std::filesystem::create_directories(dir / "Desktop");
        static const char* const types[] = {"txt", "doc", "ini", "rtf", "log"};
        for (int i = 1; i <= n; ++i)
            std::ofstream(dir / "Desktop" / ("Item " + std::to_string(i) + "." + types[i % 5]))
                << "text";
        std::ofstream file(dir / "ovdata.dat", std::ios::binary);
        for (int i = 0; i < 11; ++i)
            file << "\r\n";
        file << '"' << variant << "\"\r\n5\r\n\"English\"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n";
        platform::fake::FakeMachine m;
        m.programDir = dir.string();
        m.desktop = (dir / "Desktop").string();
        return m;
    }

    platform::fake::FakePlatform fake_;
    platform::Platform platform_;
    forms::ManualClock clock_;
    app::OrvelaApp app_;
};

} // namespace orvela::bench
