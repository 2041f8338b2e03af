// The programs the driver runs on the fake platform, behind one interface:
// Orvela (the default), its installer (--installer) and its uninstaller
// (--uninstaller).
#pragma once

#include "desktopitems/item_table.h"
#include "forms/clock.h"
#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"
#include "shell/desktop_sleep.h"

#include <memory>
#include <string>
#include <vector>

namespace orvela::sim {

class SimProgram {
public:
    virtual ~SimProgram() = default;
    virtual forms::Runtime& runtime() = 0;
    // The program's entry (the script's `start`).
    virtual void start() = 0;
    virtual bool ended() const = 0;
    // The system clock was set, or the machine woke from sleep (what the
    // front end hears as WM_TIMECHANGE and WM_POWERBROADCAST).
    virtual void clockChanged() {}
    // Nobody can see the desktop for that reason, or can again.
    virtual void hideDesktop(shell::HiddenReason) {}
    virtual void showDesktop(shell::HiddenReason) {}
    // The screen changed to widthPixels x heightPixels, as the window
    // system reports it to the program.
    // dpi 0 keeps the dpi.
    virtual void displayChanged(unsigned /*widthPixels*/, unsigned /*heightPixels*/,
                                unsigned /*dpi*/) {}
    // The desktop items of Orvela's scan; null for the other programs.
    virtual const desktopitems::DesktopItemTable* desktopItems() const { return nullptr; }
    // Runs what the program arranged to happen after it has ended; one line
    // of output for each thing done.
    virtual std::vector<std::string> afterExit() { return {}; }
};

enum class ProgramKind { orvela, installer, uninstaller };

// The program of that kind on the fake machine, with a screen in twips.
std::unique_ptr<SimProgram> makeProgram(ProgramKind kind, platform::fake::FakePlatform& fake,
                                        platform::Platform& platform, forms::Clock& clock,
                                        float screenWidth, float screenHeight);

} // namespace orvela::sim
