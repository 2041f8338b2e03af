#include "shell/main_window.h"

#include "forms/geometry.h"
#include "forms/runtime.h"
#include "shell/desktop_buttons.h"
#include "shell/drive_list.h"
#include "shell/item_info.h"

#include <string>

namespace orvela::shell {

using forms::Event;
using forms::EventType;

namespace {
// The design height; also what the layout falls back to when the display
// mode cannot be read, so the window keeps its design geometry.
constexpr unsigned designScreenHeight = 768;
constexpr int swHide = 0, swShowNormal = 1;
constexpr unsigned maxScreenPixels = 32767;
} // namespace

MainWindow::MainWindow(platform::Platform& platform, forms::Form& form1, forms::Form& form2,
                       DesktopSettings& settings, SettingsFile& settingsFile, SystemInfo& system,
                       const desktopitems::DesktopItemTable& items,
                       desktopitems::ItemLayout& layout)
    : platform_(platform), form2_(form2), settings_(settings), settingsFile_(settingsFile),
      system_(system), layout_(layout),
      clocks_(form2, settings, form2.runtime().clock(), platform.system),
      calendar_(form2, settings, form2.runtime().clock()),
      stars_(form2, settings, form2.runtime().random(), clocks_),
      variants_(form2, settings, platform.display, clocks_, calendar_, stars_, layout),
      actions_(platform, form1, form2, settings, system, items, layout, clocks_),
      sleep_([this] { form2_.control("Timer1").setEnabled(false); },
             [this] {
                 form2_.control("Timer1").setEnabled(true);
                 if (form2_.loaded())
                     variants_.timerTick();
             }) {}

void MainWindow::bind(std::function<void()> exitProgram) {
    form2_.onLoad([this](const Event&) { loadMainWindow(); });
    form2_.on("Timer1", EventType::Timer, [this](const Event&) { variants_.timerTick(); });
    actions_.setExitProgram(std::move(exitProgram));
    actions_.setStartButton([this](bool visible) { setStartButtonVisible(visible); });
    bindVariantOneButtons(actions_);
    bindVariantTwoButtons(actions_);
    bindVariantThreeButtons(actions_);
    bindDrivesPanel(actions_);
    bindPopupMenu(actions_);
}

void MainWindow::loadMainWindow() {
    forms::Form& f = form();
    settingsFile_.loadSettings();
    stars_.showPanelsAsSet();

    platform::DisplayMode mode;
    unsigned height = platform_.display.enumCurrentDisplaySettings(mode) ? mode.height : 0;
    variants_.setScreenHeight(height ? height : designScreenHeight);

    clocks_.setHourHandColor(forms::rgb(72, 162, 255));
    f.clearSurface();
    f.control("Fon").setVisible(false);
    system_.clearComputerInfo();
    // No item is under the pointer yet: the variant-2 information lines start
    // empty, as after the pointer crosses the background (their designer
    // dots would stand inside the large clock's digits and the weekday).
    showItemInfo2(f, actions_.items(), noItem);
    const std::string programFiles = system_.specialFolderPath(programFilesFolder);
    actions_.setFolders(programFiles, system_.specialFolderPath(documentsFolder));
    system_.showComputerName();
    system_.showUserName();

    std::int64_t bytes = 0, items = 0;
    system_.queryRecycleBin("", bytes, items);
    actions_.showRecycleBin(recycleBinSummary(items, bytes));

    driveCount_ = fillDriveList(f, platform_.system);
    layout_.sizeForDpi();
    variants_.applyDisplayVariant();
    setCaptions();
    if (settings_.calendarOn())
        calendar_.showCalendar();
    else
        calendar_.hideCalendar();
    if (settings_.clockOn())
        clocks_.showClockGroup();
    else
        clocks_.hideClockGroup();
    calendar_.fillCalendar();
    clocks_.datash();
    showBackground();
}

void MainWindow::showBackground() {
    forms::Form& f = form();
    f.setPicture(f.control("Fon").picture());
    f.setPictureArea(variants_.composition().area());
    f.invalidateAll();
}

void MainWindow::displayChanged(unsigned widthPixels, unsigned heightPixels, bool newDpi) {
    // A size no screen has (none, or beyond a window's coordinates) is ignored.
    if (widthPixels < 1 || heightPixels < 1 || widthPixels > maxScreenPixels ||
        heightPixels > maxScreenPixels)
        return;
    form2_.runtime().setScreenSize(forms::pixelsToTwips(static_cast<int>(widthPixels)),
                                   forms::pixelsToTwips(static_cast<int>(heightPixels)));
    // A main window not loaded yet is laid out for the new screen when it loads.
    if (!form2_.loaded())
        return;
    if (newDpi)
        layout_.sizeForDpi();
    variants_.relayout(heightPixels, driveCount_);
    showBackground();
}

void MainWindow::setStartButtonVisible(bool visible) {
    platform::WindowHandle taskbar = platform_.windows.findWindow("Shell_TrayWnd", "");
    platform::WindowHandle start = platform_.windows.findWindowEx(taskbar, 0, "Button", "");
    platform_.windows.showWindow(start, visible ? swShowNormal : swHide);
}

void MainWindow::setCaptions() {
    forms::Form& f = form();
    setVariantOneCaptions(f);
    setPopupMenuCaptions(f);
    setVariantTwoCaptions(f);
    if (otherCaptions_)
        otherCaptions_();
}

void MainWindow::setBackground(const std::string& path) {
    variants_.setBackground(forms::Picture::file(path));
}

} // namespace orvela::shell
