// Start-up of the program's logic on the fake platform: from constructing
// the program to the main window loaded, laid out and shown. Prints the
// median over many runs.
#include "app/orvela_app.h"
#include "forms/clock.h"
#include "platform/fake/fake_platform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

int main() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "orvela-bench-startup";
    fs::remove_all(dir);
    fs::create_directories(dir);

    orvela::platform::fake::FakeMachine machine;
    machine.programDir = dir.string();
    machine.driveTypes = {{'A', 2}, {'C', 3}, {'D', 5}};

    constexpr int runs = 200;
    std::vector<double> micros;
    for (int i = 0; i < runs; ++i) {
        orvela::platform::fake::FakePlatform fake(machine);
        auto platform = fake.platform();
        orvela::forms::ManualClock clock({2026, 12, 8, 12, 0, 0, 0});
        auto start = std::chrono::steady_clock::now();
        orvela::app::OrvelaApp app(platform, clock, 1024 * 15.0f, 768 * 15.0f);
        app.start();
        auto stop = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("startup (logic on the fake platform, 1024x768): median %.0f us, best %.0f us "
                "over %d runs\n",
                micros[runs / 2], micros.front(), runs);
    fs::remove_all(dir);
    return 0;
}
