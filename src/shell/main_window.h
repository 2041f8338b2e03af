// The main window Form2: its load sequence, the display-variant frames, the
// calendar and clock-group switches and the taskbar's Start button.
#pragma once

#include "forms/form.h"
#include "platform/platform.h"
#include "shell/desktop_settings.h"
#include "shell/settings_file.h"
#include "shell/system_info.h"

#include <functional>

namespace orvela::shell {

class MainWindow {
public:
    MainWindow(platform::Platform& platform, forms::Form& form2, DesktopSettings& settings,
               SettingsFile& settingsFile, SystemInfo& system)
        : platform_(platform), form2_(form2), settings_(settings), settingsFile_(settingsFile),
          system_(system) {}

    // Registers the main window's load, timer and exit handlers.
    void bind(std::function<void()> exitProgram);

    // The load handler: settings, screen, texts, drives, layout, variant,
    // captions, calendar, clock and background, in this order.
    void loadMainWindow();
    // Lays the window out for the screen and shows the frames of deskvar's variant.
    void applyDisplayVariant();
    void showVariantOne();
    void showVariantTwo();
    void showVariantThree();

    // Shows or hides the Start button of the Windows taskbar.
    void setStartButtonVisible(bool visible);

    // The month calendar labels Label101..Label151.
    void showCalendar();
    void hideCalendar();
    // The variant-1 digital clock group, date line included.
    void showClockGroup();
    void hideClockGroup();

    // Procedures of the load sequence and the tick whose content comes with
    // the captions, calendar, clock and variant animation.
    void setCaptions();
    void fillCalendar();
    void datash();
    void timerTick();

private:
    forms::Form& form() { return form2_.touch(); }
    void setCalendarVisible(bool visible);
    void setClockGroupVisible(bool visible);
    void setOverlays(bool v1Frame, bool v3Frame);

    platform::Platform& platform_;
    forms::Form& form2_;
    DesktopSettings& settings_;
    SettingsFile& settingsFile_;
    SystemInfo& system_;
};

} // namespace orvela::shell
