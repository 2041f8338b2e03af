#include "options/options_dialog.h"

#include "common/value_text.h"
#include "forms/runtime.h"
#include "options/options_captions.h"

#include <array>
#include <cmath>
#include <utility>

namespace orvela::options {

namespace {

using common::numberToText;
using common::textToNumber;
using forms::Event;
using forms::EventType;

// The tab captions and the page frame each one shows.
constexpr std::array<std::pair<const char*, const char*>, 5> pages = {{
    {"General Settings", "FGeneral"},
    {"Variant 1", "FVariant1"},
    {"Variant 2", "FVariant2"},
    {"Variant 3", "FVariant3"},
    {"Information", "FInformation"},
}};

constexpr std::array<const char*, 2> languages = {"English", "Russian"};

constexpr double maxIconSpeed = 100, maxStripLevel = 20;
constexpr unsigned informationIcon = platform::mbIconInformation;
constexpr int fileNotFound = 53;
constexpr int swShowNormal = 1;
constexpr const char* imageFilter = "Images|*.BMP;*.GIF;*.JPG;*.DIB|All Files|*.*";

} // namespace

void OptionsDialog::bind() {
    form3_.onLoad([this](const Event&) { opening(); });
    using Step = void (OptionsDialog::*)();
    static constexpr std::array<std::pair<const char*, Step>, 6> clicks = {{
        {"frmOptions", &OptionsDialog::tabClick},
        {"Command9", &OptionsDialog::chooseBackground},
        {"Command3", &OptionsDialog::showInstructions},
        {"cmdApply", &OptionsDialog::apply},
        {"cmdOK", &OptionsDialog::ok},
        {"cmdCancel", &OptionsDialog::cancel},
    }};
    for (const auto& [name, step] : clicks)
        form3_.on(name, EventType::Click, [this, step = step](const Event&) { (this->*step)(); });
    using SpeedStep = void (OptionsDialog::*)(int);
    struct SpeedButton {
        const char* name;
        SpeedStep step;
        int delta;
    };
    static constexpr std::array<SpeedButton, 4> speeds = {{
        {"Command1", &OptionsDialog::changeIconSpeed, +1},
        {"Command2", &OptionsDialog::changeIconSpeed, -1},
        {"Command8", &OptionsDialog::changeStripSpeed, +1},
        {"Command7", &OptionsDialog::changeStripSpeed, -1},
    }};
    for (const SpeedButton& b : speeds)
        form3_.on(b.name, EventType::Click, [this, b](const Event&) { (this->*b.step)(b.delta); });
}

void OptionsDialog::setCaptions() {
    setOptionsCaptions(form3_);
}

void OptionsDialog::centre() {
    forms::Form& f = form3_;
    // In the dialog's own twips, which follow the dpi.
    f.move(std::floor(std::round(f.screenWidth() - f.width()) / 2),
           std::floor(std::round(f.screenHeight() - f.height()) / 2), f.width(), f.height());
}

void OptionsDialog::opening() {
    showOptionsPage("FGeneral");
    centre();

    const shell::SettingsValues stored = settings_.values();
    if (const auto on = stored.autostart.value())
        control("Combo3").setListIndex(*on ? 0 : 1);
    // The entry of the variant on screen: an unknown variant shows variant 1.
    control("Combo2").setListIndex(static_cast<int>(settings_.variant()) - 1);
    if (const auto on = stored.starsOn.value())
        control("Combo6").setListIndex(*on ? 1 : 0);
    settings_.update([](shell::SettingsValues& v) { v.openedVariant = v.variant; });
    readLiveClockState();
    control("Combo1").setListIndex(settings_.language() == shell::Language::Russian ? 1 : 0);
    control("Label5").setCaption(stored.iconSpeed.text);
    settings_.update([](shell::SettingsValues& v) { v.openedSpeed = v.iconSpeed; });
    const auto unit = stripUnit();
    control("Label22").setCaption(numberToText(unit ? settings_.stripStep() / *unit : 0));
    opened_ = settings_.values();
}

void OptionsDialog::readLiveClockState() {
    control("Combo5").setListIndex(desktop_.calendarShown() ? 1 : 0);
    control("Combo4").setListIndex(desktop_.clockShown() ? 1 : 0);
}

void OptionsDialog::showDialog() {
    const bool wasShown = form3_.loaded() && form3_.visible();
    dialog();
    if (!wasShown) {
        readLiveClockState();
        openedBackground_ = desktop_.background();
        openedLanguage_ = settings_.values().language.text;
    }
    form3_.show();
}

void OptionsDialog::showOptionsPage(const std::string& frame) {
    for (const auto& [caption, page] : pages)
        control(page).setVisible(false);
    dialog().control(frame).setVisible(true);
}

void OptionsDialog::tabClick() {
    forms::Control& tabs = control("frmOptions");
    const int selected = tabs.listIndex();
    if (selected < 0)
        return;
    const std::string& caption = tabs.items()[static_cast<std::size_t>(selected)];
    for (const auto& [tabCaption, page] : pages)
        if (caption == tabCaption)
            showOptionsPage(page);
}

void OptionsDialog::changeIconSpeed(int delta) {
    forms::Control& label = control("Label5");
    double speed = textToNumber(label.caption());
    if ((delta > 0 && speed < maxIconSpeed) || (delta < 0 && speed > 0))
        speed += delta;
    label.setCaption(numberToText(speed));
    settings_.update([&label](shell::SettingsValues& v) { v.iconSpeed.text = label.caption(); });
}

std::optional<double> OptionsDialog::stripUnit() {
    const float width = desktop_.stripIconWidth();
    if (width <= 0)
        return std::nullopt;
    return width / 32.0;
}

void OptionsDialog::changeStripSpeed(int delta) {
    const auto unit = stripUnit();
    if (!unit)
        return;
    double level = std::nearbyint(settings_.stripStep() / *unit);
    if ((delta > 0 && level < maxStripLevel) || (delta < 0 && level > 0))
        level += delta;
    control("Label22").setCaption(numberToText(level));
    settings_.update([&](shell::SettingsValues& v) { v.stripStep.set(*unit * level); });
}

bool OptionsDialog::loadBackground(const std::string& path) {
    if (platform_.dialogs.loadPicture(path).error != 0)
        return false;
    desktop_.setBackground(path);
    return true;
}

void OptionsDialog::chooseBackground() {
    const std::string dir = platform_.files.programDir();
    const auto file = platform_.dialogs.getOpenFileName(0, {dir, imageFilter, 1});
    if (!file || file->empty())
        return;
    settings_.update([&dir](shell::SettingsValues& v) { v.defaultPicture = dir + "/image.jpg"; });
    const platform::PictureLoad load = platform_.dialogs.loadPicture(*file);
    if (load.error != 0) {
        const std::string text =
            load.error == fileNotFound ? "File not found" : "Error " + load.description;
        platform_.dialogs.messageBox(0, text, informationIcon, "Open");
        return;
    }
    desktop_.setBackground(*file);
    settings_.update([&file](shell::SettingsValues& v) { v.picture = *file; });
}

void OptionsDialog::showInstructions() {
    const std::string readMe = platform_.files.joinPath(platform_.files.programDir(), "ReadMe.txt");
    platform_.shell.shellExecute(0, "Open", readMe, "", "", swShowNormal);
}

void OptionsDialog::setStarLines(bool visible) {
    desktop_.setStarLines(visible);
}

void OptionsDialog::setVariantFromCombo() {
    const int entry = control("Combo2").listIndex();
    if (entry < 0)
        return;
    const auto variant = static_cast<shell::Variant>(entry + 1);
    settings_.update([variant](shell::SettingsValues& v) { v.variant.set(variant); });
    desktop_.showVariant(variant);
}

void OptionsDialog::apply() {
    setVariantFromCombo();
    const int stars = control("Combo6").listIndex();
    if (stars >= 0)
        settings_.update([stars](shell::SettingsValues& v) { v.starsOn.set(stars == 1); });
    const int language = control("Combo1").listIndex();
    if (language >= 0 &&
        settings_.values().language.text != languages[static_cast<std::size_t>(language)]) {
        settings_.update([language](shell::SettingsValues& v) {
            v.language.text = languages[static_cast<std::size_t>(language)];
        });
        desktop_.refreshDate(); // the weekday names follow the language
    }
    const int autostart = control("Combo3").listIndex();
    if (autostart >= 0) {
        autostart_.setAutostart(autostart == 1 ? 1 : 2);
        // A shortcut that could not be written shows as "No".
        if (settings_.values().autostart.value() == false)
            control("Combo3").setListIndex(1);
    }
    desktop_.showClock(control("Combo4").listIndex() == 1);
    desktop_.showCalendar(control("Combo5").listIndex() == 1);
    if (const auto on = settings_.values().starsOn.value())
        setStarLines(*on);
}

void OptionsDialog::ok() {
    apply();
    settings_.update([this](shell::SettingsValues& v) {
        v.calendarOn.set(desktop_.calendarShown());
        v.clockOn.set(desktop_.clockShown());
    });
    const int stars = control("Combo6").listIndex();
    if (stars >= 0) {
        settings_.update([stars](shell::SettingsValues& v) {
            v.starsOn.set(stars == 1);
            v.committedStars.set(stars == 1);
        });
        setStarLines(stars == 1);
    }
    settings_.update([](shell::SettingsValues& v) { v.committedPicture = v.picture; });
    settings_.keepStripStep();
    settingsFile_.saveSettingsFile();
    desktop_.showStarPanels(settings_.values().starsOn.value() == true);
    form3_.unload();
}

void OptionsDialog::cancel() {
    dialog(); // the values it opened with
    std::string picture = opened_.committedPicture;
    settings_.update([this, &picture](shell::SettingsValues& v) {
        if (picture == " ")
            picture = v.committedPicture = v.defaultPicture;
        v.picture = picture;
        v.iconSpeed = opened_.openedSpeed;
    });
    // The picture shown when the dialog opened, the built-in one included.
    if (openedBackground_)
        desktop_.showBackground(*openedBackground_);
    if (openedLanguage_ && settings_.values().language.text != *openedLanguage_) {
        settings_.update([this](shell::SettingsValues& v) { v.language.text = *openedLanguage_; });
        desktop_.refreshDate();
    }
    const shell::SettingsValues now = settings_.values();
    if (const auto on = now.clockOn.value())
        desktop_.showClock(*on);
    if (const auto on = now.calendarOn.value())
        desktop_.showCalendar(*on);
    const auto committed = opened_.committedStars.value();
    const int shown = control("Combo6").listIndex();
    if (committed == true && shown == 0)
        settings_.update([](shell::SettingsValues& v) { v.starsOn.set(true); });
    if (committed == false && shown == 1)
        settings_.update([](shell::SettingsValues& v) { v.starsOn.set(false); });
    if (const auto on = settings_.values().starsOn.value())
        setStarLines(*on);
    const shell::Stored<shell::Variant> opened = opened_.openedVariant;
    // Always put back, also when the list was turned back after an Apply
    // without applying again. A variant text the list has no entry for
    // returns as it was; the screen shows variant 1 for it.
    control("Combo2").setListIndex(static_cast<int>(opened.value().value_or(shell::Variant::One)) -
                                   1);
    setVariantFromCombo();
    settings_.update([&opened](shell::SettingsValues& v) { v.variant = opened; });
    form3_.unload();
}

} // namespace orvela::options
