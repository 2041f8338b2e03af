// The program on the fake platform in one display variant, with n desktop
// items shown the way the item layout shows them (ring icons and captions,
// the grid of variant 2, the strip of variant 3), for the tick and repaint
// benchmarks. Items show a small artwork picture in place of their icons.
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
        : fake_(machine(variant, dir)), platform_(fake_.platform()),
          clock_({2026, 12, 8, 12, 0, 0, 0}), app_(platform_, clock_, 1024 * 15.0f, 768 * 15.0f) {
        app_.start();
        giveItems(items);
    }

    app::OrvelaApp& app() { return app_; }
    forms::Form& form2() { return *app_.runtime().findForm("Form2"); }
    // One tick of the main timer, 100 ms later.
    void tick() {
        clock_.advanceMilliseconds(100);
        app_.runtime().advance(100);
    }

private:
    static platform::fake::FakeMachine machine(int variant, const std::filesystem::path& dir) {
        std::filesystem::create_directories(dir);
        std::ofstream file(dir / "ovdata.dat", std::ios::binary);
        for (int i = 0; i < 11; ++i)
            file << "\r\n";
        file << variant << "\r\n5\r\n\"English\"\r\n1\r\n1\r\n0\r\n1\r\n15\r\n0\r\n\r\n";
        platform::fake::FakeMachine m;
        m.programDir = dir.string();
        return m;
    }

    void giveItems(int n) {
        forms::Form& f = form2();
        const forms::Picture icon = forms::Picture::artwork("Image8.gif");
        f.control("Label6", 0).setCaption(std::to_string(n));
        for (int i = 1; i <= n; ++i) {
            const std::string caption = "Item " + std::to_string(i);
            forms::Control& ring = f.control("Image3", i);
            ring.setPicture(icon);
            ring.setVisible(true);
            f.control("Label6", i).setCaption(caption);
            f.control("Label6", i).setVisible(true);
            forms::Control& grid = f.control("Image4", i);
            grid.move(4200 + 720 * static_cast<float>((i - 1) % 10),
                      1500 + 720 * static_cast<float>((i - 1) / 10), 480, 480);
            grid.setPicture(icon);
            grid.setVisible(true);
            forms::Control& strip = f.control("Image21", i);
            strip.move(460 + 1400 * static_cast<float>(i - 1), 96, 480, 480);
            strip.setPicture(icon);
            strip.setVisible(true);
            forms::Control& label = f.control("Labe59", i);
            label.setLeft(1400 * static_cast<float>(i - 1));
            label.setCaption(caption);
            label.setVisible(true);
        }
        f.control("Frame5").setWidth(1400 * static_cast<float>(n) + 2 * 1024 * 15.0f);
    }

    platform::fake::FakePlatform fake_;
    platform::Platform platform_;
    forms::ManualClock clock_;
    app::OrvelaApp app_;
};

} // namespace orvela::bench
