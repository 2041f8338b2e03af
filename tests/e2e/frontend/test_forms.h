// Forms and a program for the front-end tests: small designs in pixel
// multiples of 15 twips, handlers that record what they receive.
#pragma once

#include "forms/runtime.h"
#include "win32/program.h"

#include <string>
#include <vector>

namespace orvela::test {

inline constexpr float px = 15.0f; // twips of one pixel

// Every event a form's handlers received, as "Control.Event button x y"
// (x, y in pixels of the receiving control).
struct EventLog {
    std::vector<std::string> lines;
    void record(forms::Form& form, const std::string& control, forms::EventType type);
};

// A program of forms built from the given designs; closing any form unloads
// it, and the program ends when none is loaded.
class TestProgram : public win32::Program {
public:
    TestProgram(float screenWidthPixels = 800, float screenHeightPixels = 600)
        : runtime_(clock_, screenWidthPixels * px, screenHeightPixels * px) {}
    forms::Form& add(const forms::FormDesign& design) { return runtime_.addForm(design); }
    forms::Runtime& runtime() override { return runtime_; }
    void closeRequested(forms::Form& form) override {
        closeRequests.push_back(form.name());
        if (unloadOnClose)
            form.unload();
    }
    bool ended() const override { return runtime_.ended(); }
    // Records the new screen and gives it to the runtime.
    void displayChanged(int width, int height, int /*dpi*/) override {
        displayChanges.push_back(std::to_string(width) + "x" + std::to_string(height));
        runtime_.setScreenSize(static_cast<float>(width) * px, static_cast<float>(height) * px);
    }

    std::vector<std::string> closeRequests;
    std::vector<std::string> displayChanges;
    bool unloadOnClose = false;

private:
    forms::ManualClock clock_;
    forms::Runtime runtime_;
};

} // namespace orvela::test
