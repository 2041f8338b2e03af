// One tick of the main timer per display variant with 100 desktop items, on
// the fake platform: the logic alone, no drawing. Prints the median.
#include "bench_desktop.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "orvela-bench-tick";
    constexpr int ticks = 5000;
    for (int variant = 1; variant <= 3; ++variant) {
        fs::remove_all(dir);
        orvela::bench::BenchDesktop desktop(variant, 100, dir);
        std::vector<double> micros;
        micros.reserve(ticks);
        for (int i = 0; i < ticks; ++i) {
            auto start = std::chrono::steady_clock::now();
            desktop.tick();
            auto stop = std::chrono::steady_clock::now();
            desktop.form2().takeDirty(); // as the front end does after each tick
            micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
        }
        std::sort(micros.begin(), micros.end());
        std::printf("tick, variant %d, 100 items (logic on the fake platform): median %.1f us, "
                    "95th percentile %.1f us over %d ticks\n",
                    variant, micros[ticks / 2], micros[ticks * 95 / 100], ticks);
    }
    fs::remove_all(dir);
    return 0;
}
