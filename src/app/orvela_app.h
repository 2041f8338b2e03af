// The program Orvela on a given platform: its forms (Form1, Form2, form3,
// Form6), the logic bound to their events, and start-up. The Win32 front end
// and the headless driver both drive the program through this class.
#pragma once

#include "desktopitems/item_layout.h"
#include "desktopitems/item_table.h"
#include "forms/clock.h"
#include "forms/runtime.h"
#include "platform/platform.h"
#include "shell/desktop_sleep.h"

#include <memory>

namespace orvela::app {

class OrvelaApp {
public:
    // Screen size in twips (15 twips per pixel).
    OrvelaApp(platform::Platform& platform, forms::Clock& clock, float screenWidth,
              float screenHeight);
    ~OrvelaApp();
    OrvelaApp(const OrvelaApp&) = delete;
    OrvelaApp& operator=(const OrvelaApp&) = delete;

    forms::Runtime& runtime();

    // The program entry: loads the start-up window, whose load runs startUp.
    void start();
    // The common exit action: closes every window; the program then ends.
    void exitProgram();
    // The user asked the window system to close a form (Alt+F4, the close
    // box): the main window ends the program, any other form unloads.
    void closeRequested(forms::Form& form);
    // The system clock was set or the machine woke from sleep: the date
    // lines and the calendar show today at once.
    void clockChanged();
    // Nobody can see the desktop for that reason (minimised, covered, the
    // session locked, the display off), or can again.
    void hideDesktop(shell::HiddenReason reason);
    void showDesktop(shell::HiddenReason reason);
    // The screen is now widthPixels x heightPixels (0 x 0: as it was) at
    // dpi (0: as it was): the main window is laid out again for it, keeping
    // what runs, its items sized for the dpi, and a loaded Options dialog,
    // laid out at the dpi, is centred on it. Sizes outside 1..32767 are
    // ignored.
    void displayChanged(unsigned widthPixels, unsigned heightPixels, unsigned dpi = 0);
    // True once every window is closed.
    bool ended() const;
    // The desktop items of the last scan.
    const desktopitems::DesktopItemTable& desktopItems() const;
    // The layout of the items on the main window.
    desktopitems::ItemLayout& itemLayout();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace orvela::app
