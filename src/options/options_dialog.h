// The Options dialog form3: its opening steps, the pages behind its tabs,
// the live speed and background controls, and Apply, OK and Cancel. It is
// modeless: every change shows on the main window at once (through its
// DesktopFace), OK commits and saves, Cancel puts back what was changed live
// from the values the dialog kept when it opened.
#pragma once

#include "forms/form.h"
#include "options/autostart.h"
#include "platform/platform.h"
#include "shell/desktop_face.h"
#include "shell/desktop_settings.h"
#include "shell/settings_file.h"

#include <optional>
#include <string>

namespace orvela::options {

class OptionsDialog {
public:
    OptionsDialog(platform::Platform& platform, forms::Form& form3,
                  shell::DesktopSettings& settings, shell::SettingsFile& settingsFile,
                  shell::DesktopFace& desktop)
        : platform_(platform), form3_(form3), settings_(settings), settingsFile_(settingsFile),
          desktop_(desktop), autostart_(platform, settings) {}

    // Registers the dialog's load handler and its controls' handlers.
    void bind();

    // The Options command: shows the dialog, loading it (and running the
    // opening steps) unless it is loaded. A dialog that comes up from hidden
    // reads the clock and calendar combos from the screen again, since the
    // one start-up loads hidden is loaded before the screen settles.
    void showDialog();

    // Centres the dialog on the screen (at its opening, and when the screen
    // changes size while it is loaded).
    void centre();

    // The dialog's captions in the interface language; the first loads it.
    void setCaptions();

    // Hides every page frame, then shows the named one.
    void showOptionsPage(const std::string& frame);
    // Shows or hides the star lines of the variant-2 panels (all six stars).
    void showStarLines() { setStarLines(true); }
    void hideStarLines() { setStarLines(false); }

    void apply();
    void ok();
    void cancel();

    Autostart& autostart() { return autostart_; }

private:
    forms::Form& dialog() { return form3_.touch(); }
    forms::Control& control(const char* name) { return dialog().control(name); }

    void opening();
    void readLiveClockState();
    void tabClick();
    void changeIconSpeed(int delta);
    void changeStripSpeed(int delta);
    void chooseBackground();
    void showInstructions();
    void setStarLines(bool visible);
    void setVariantFromCombo();
    // Twips of strip step per level: the strip icon's width / 32; none
    // when the strip has no icon to measure.
    std::optional<double> stripUnit();
    // Loads a picture file as the variant-3 background; false when it does not load.
    bool loadBackground(const std::string& path);

    platform::Platform& platform_;
    forms::Form& form3_;
    shell::DesktopSettings& settings_;
    shell::SettingsFile& settingsFile_;
    shell::DesktopFace& desktop_;
    Autostart autostart_;
    // The settings as the dialog opened, with the values committed then:
    // what Cancel puts back.
    shell::SettingsValues opened_;
    // What the desktop showed when the dialog opened: Cancel shows it again.
    std::optional<forms::Picture> openedBackground_;
    std::optional<std::string> openedLanguage_;
};

} // namespace orvela::options
