// What the buttons of the main window do, whichever variant's button it is:
// open the Options dialog, folders, drives and desktop items, the Start
// toggle, emptying the recycle bin, exit, switch off and restart. The
// button files (variant_*_buttons.cpp, drive_list.cpp, popup_menu.cpp)
// bind their controls to these actions from tables.
#pragma once

#include "desktopitems/item_layout.h"
#include "desktopitems/item_table.h"
#include "forms/form.h"
#include "platform/platform.h"
#include "shell/clock_faces.h"
#include "shell/desktop_settings.h"
#include "shell/system_info.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace orvela::shell {

enum class DesktopAction {
    Options,
    ProgramFiles,
    Documents,
    Start,
    Exit,
    EmptyRecycleBin,
    SwitchOff,
    Restart,
    Minimize,
    DrivesPanel,
};

class DesktopActions {
public:
    // The labels that show the recycle-bin text; the last is variant 3's.
    static constexpr std::array<const char*, 3> recycleBinLabels{"korzinainf", "Label33",
                                                                 "Label59"};

    DesktopActions(platform::Platform& platform, forms::Form& form1, forms::Form& form2,
                   DesktopSettings& settings, SystemInfo& system,
                   const desktopitems::DesktopItemTable& items,
                   const desktopitems::ItemLayout& layout, ClockFaces& clocks)
        : platform_(platform), form1_(form1), form2_(form2), settings_(settings), system_(system),
          items_(items), layout_(layout), clocks_(clocks) {}

    // Set by the main window when it binds its handlers.
    void setExitProgram(std::function<void()> exitProgram) {
        exitProgram_ = std::move(exitProgram);
    }
    void setStartButton(std::function<void(bool)> show) { showStartButton_ = std::move(show); }
    // Set by the program when it wires the Options dialog.
    void setOpenOptions(std::function<void()> open) { openOptions_ = std::move(open); }

    void run(DesktopAction action);

    // ShellExecute "Open" of a folder, drive or file, shown normal; the
    // result is ignored. An empty path opens nothing.
    void open(const std::string& path);
    // Hides the pop-up menu, then opens the full path of item slot; a slot
    // without an item opens nothing.
    void openItem(int slot);
    // The number of items the last layout placed.
    int itemCount() const { return layout_.itemCount(); }
    void hideMenu();

    // Empties the recycle bin (Windows asks the user) and writes its new
    // contents into korzinainf, Label59 and Label33.
    void emptyRecycleBin();
    // The recycle-bin text on the three labels that show it.
    void showRecycleBin(const std::string& summary);
    // The folders the Program Files and Documents buttons open.
    void setFolders(const std::string& programFiles, const std::string& documents);
    // The two-state Start toggle on checkpusk: "0" brings the taskbar to the
    // top, "1" shows its Start button; any other text does nothing. The
    // state then flips ("0" becomes "1", everything else "0").
    void toggleStart();

    // The main window, touched (for handlers), and as it is (for binding).
    forms::Form& form() { return form2_.touch(); }
    forms::Form& bindingForm() { return form2_; }
    // The picture of one of Form1's hidden picture holders (the lit and
    // normal faces of the variant-2 and variant-3 buttons); none if Form1 is
    // gone.
    forms::Picture holderPicture(const char* holder) const;
    DesktopSettings& settings() { return settings_; }
    ClockFaces& clocks() { return clocks_; }
    const desktopitems::DesktopItemTable& items() const { return items_; }

private:
    platform::Platform& platform_;
    forms::Form& form1_;
    forms::Form& form2_;
    DesktopSettings& settings_;
    SystemInfo& system_;
    const desktopitems::DesktopItemTable& items_;
    const desktopitems::ItemLayout& layout_;
    ClockFaces& clocks_;
    std::function<void()> exitProgram_;
    std::function<void(bool)> showStartButton_;
    std::function<void()> openOptions_;
    platform::WindowHandle taskbar_ = 0;
};

} // namespace orvela::shell
