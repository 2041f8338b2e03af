// One tick and the repaint it causes, per display variant with 100 desktop
// items, in the Win32 front end (run it under Wine on an X display, or on
// Windows): the logic on the fake platform, the drawing real. Prints the
// median time of a tick's repaint and the pixels it repainted, for what the
// tick changed and, beside it, for the whole window repainted every tick.
#include "bench_desktop.h"
#include "win32/front_end.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

class BenchProgram final : public orvela::win32::Program {
public:
    explicit BenchProgram(orvela::app::OrvelaApp& app) : app_(app) {}
    orvela::forms::Runtime& runtime() override { return app_.runtime(); }
    void closeRequested(orvela::forms::Form& form) override { app_.closeRequested(form); }
    bool ended() const override { return app_.ended(); }

private:
    orvela::app::OrvelaApp& app_;
};

double seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const int items = argc > 1 ? std::atoi(argv[1]) : 100;
    const fs::path dir = fs::temp_directory_path() / "orvela-bench-repaint";
    constexpr int ticks = 300;
    for (int variant = 1; variant <= 3; ++variant) {
        fs::remove_all(dir);
        orvela::bench::BenchDesktop desktop(variant, items, dir);
        BenchProgram program(desktop.app());
        orvela::win32::FrontEnd frontEnd(program);
        frontEnd.sync();
        orvela::win32::FormWindow* window = frontEnd.windowOf(desktop.form2());
        if (!window) {
            std::printf("repaint, variant %d: no window\n", variant);
            return 1;
        }
        for (int i = 0; i < 20; ++i) { // the first frames and pictures
            pumpMessages();
            Sleep(10);
        }
        for (const bool whole : {false, true}) {
            std::vector<double> micros, pixels;
            for (int i = 0; i < ticks; ++i) {
                desktop.tick();
                double area = 0;
                if (whole)
                    desktop.form2().invalidateAll();
                for (const orvela::forms::Rect& r : desktop.form2().takeDirty()) {
                    area += static_cast<double>(r.width) * r.height / (15.0 * 15.0);
                    desktop.form2().invalidate(r);
                }
                LARGE_INTEGER start, stop;
                QueryPerformanceCounter(&start);
                frontEnd.sync();
                UpdateWindow(window->handle());
                GdiFlush();
                QueryPerformanceCounter(&stop);
                micros.push_back(seconds(start, stop) * 1e6);
                pixels.push_back(area);
            }
            std::sort(micros.begin(), micros.end());
            std::sort(pixels.begin(), pixels.end());
            std::printf("repaint, variant %d, %d items, %s (Win32 front end): median %.0f us, 95th "
                        "percentile %.0f us; median %.0f pixels repainted a tick\n",
                        variant, items, whole ? "whole window" : "what changed", micros[ticks / 2],
                        micros[ticks * 95 / 100], pixels[ticks / 2]);
        }
        desktop.app().exitProgram();
        frontEnd.sync();
        pumpMessages();
    }
    fs::remove_all(dir);
    return 0;
}
