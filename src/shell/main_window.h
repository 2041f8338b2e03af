// The main window Form2: its load sequence, its handlers, and the parts that
// draw and animate it (clock faces, calendar, star field, display variants).
#pragma once

#include "forms/form.h"
#include "platform/platform.h"
#include "shell/clock_faces.h"
#include "shell/desktop_actions.h"
#include "shell/desktop_face.h"
#include "shell/desktop_settings.h"
#include "shell/desktop_sleep.h"
#include "shell/display_variants.h"
#include "shell/month_calendar.h"
#include "shell/settings_file.h"
#include "shell/star_field.h"
#include "shell/system_info.h"

#include <functional>

namespace orvela::shell {

class MainWindow : public DesktopFace {
public:
    MainWindow(platform::Platform& platform, forms::Form& form1, forms::Form& form2,
               DesktopSettings& settings, SettingsFile& settingsFile, SystemInfo& system,
               const desktopitems::DesktopItemTable& items, desktopitems::ItemLayout& layout);

    // Registers the main window's load and timer handlers and the mouse
    // handlers of its buttons, menu and items (desktop_buttons.h).
    void bind(std::function<void()> exitProgram);

    // The load handler: settings, screen, texts, drives, layout, variant,
    // captions, calendar, clock and background, in this order.
    void loadMainWindow();

    // The screen is now widthPixels x heightPixels (a new display mode, a
    // monitor docked or removed, another Windows scaling): the runtime
    // takes the size, and a loaded main window is laid out again for it,
    // keeping what runs; after a new dpi (already the runtime's) with its
    // items sized for it.
    void displayChanged(unsigned widthPixels, unsigned heightPixels, bool newDpi = false);

    // Shows or hides the Start button of the Windows taskbar.
    void setStartButtonVisible(bool visible);

    // The captions of the button groups (desktop_buttons.h), then those of
    // the other forms through the hook; the Options dialog's load form3 hidden.
    void setCaptions();
    void setOtherCaptions(std::function<void()> hook) { otherCaptions_ = std::move(hook); }

    void showVariant(Variant v) override { variants_.showVariant(v); }
    bool clockShown() override { return clocks_.clockShown(); }
    void showClock(bool shown) override { clocks_.showClock(shown); }
    bool calendarShown() override { return calendar_.calendarShown(); }
    void showCalendar(bool shown) override { calendar_.showCalendar(shown); }
    void setStarLines(bool visible) override { stars_.setStarLines(visible); }
    void showStarPanels(bool shown) override { stars_.showStarPanels(shown); }
    void setBackground(const std::string& path) override;
    forms::Picture background() override { return variants_.background(); }
    void showBackground(const forms::Picture& picture) override {
        variants_.setBackground(picture);
    }
    void refreshDate() override { clocks_.datash(); }
    // The clock jumped (set by the user, or a night of sleep).
    void clockChanged() { variants_.refreshDate(); }
    // Nobody can see the desktop for that reason, or can again.
    void hideDesktop(HiddenReason reason) { sleep_.hide(reason); }
    void showDesktop(HiddenReason reason) { sleep_.show(reason); }
    float stripIconWidth() override { return layout_.stripIconWidth(); }

    ClockFaces& clocks() { return clocks_; }
    MonthCalendar& calendar() { return calendar_; }
    DisplayVariants& variants() { return variants_; }
    DesktopActions& actions() { return actions_; }

private:
    forms::Form& form() { return form2_.touch(); }
    // The chosen background over the design's area.
    void showBackground();

    platform::Platform& platform_;
    forms::Form& form2_;
    DesktopSettings& settings_;
    SettingsFile& settingsFile_;
    SystemInfo& system_;
    desktopitems::ItemLayout& layout_;
    std::function<void()> otherCaptions_;
    int driveCount_ = 0;
    ClockFaces clocks_;
    MonthCalendar calendar_;
    StarField stars_;
    DisplayVariants variants_;
    DesktopActions actions_;
    DesktopSleep sleep_;
};

} // namespace orvela::shell
