// The desktop scan on the fake platform: start-up with 100, 1,000 and 10,000
// files on the desktop (documents of five types), from constructing the
// program to the main window shown. Prints the median of several runs.
#include "app/orvela_app.h"
#include "forms/clock.h"
#include "platform/fake/fake_platform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

int main() {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / "orvela-bench-scan";
    const char* extensions[] = {"txt", "doc", "ini", "rtf", "log"};
    for (int files : {100, 1000, 10000}) {
        fs::remove_all(root);
        const fs::path desktop = root / "desktop", program = root / "program";
        fs::create_directories(desktop);
        fs::create_directories(program);
        for (int i = 0; i < files; ++i)
            std::ofstream(desktop / ("File " + std::to_string(i) + "." + extensions[i % 5]))
                << "text";
        orvela::platform::fake::FakeMachine machine;
        machine.programDir = program.string();
        machine.desktop = desktop.string();
        const int runs = files >= 10000 ? 5 : 21;
        std::vector<double> millis;
        for (int run = 0; run < runs; ++run) {
            orvela::platform::fake::FakePlatform fake(machine);
            auto platform = fake.platform();
            orvela::forms::ManualClock clock({2026, 12, 8, 12, 0, 0, 0});
            auto start = std::chrono::steady_clock::now();
            orvela::app::OrvelaApp app(platform, clock, 1024 * 15.0f, 768 * 15.0f);
            app.start();
            auto stop = std::chrono::steady_clock::now();
            millis.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        }
        std::sort(millis.begin(), millis.end());
        std::printf("scan, %d files (start-up on the fake platform, files read from disk): "
                    "median %.1f ms over %d runs\n",
                    files, millis[millis.size() / 2], runs);
    }
    fs::remove_all(root);
    return 0;
}
