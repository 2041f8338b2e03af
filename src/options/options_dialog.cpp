#include "options/options_dialog.h"

#include "common/value_text.h"
#include "forms/runtime.h"

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

constexpr std::array<const char*, 12> starLines = {"Line8",  "Line9",  "Line10", "Line11",
                                                   "Line12", "Line13", "Line14", "Line15",
                                                   "Line16", "Line17", "Line18", "Line19"};

constexpr std::array<const char*, 2> languages = {"English", "Russian"};

constexpr double maxIconSpeed = 100, maxStripLevel = 20;
constexpr unsigned informationIcon = platform::mbIconInformation;
constexpr int fileNotFound = 53;
constexpr int swShowNormal = 1;
constexpr const char* imageFilter = "Images|*.BMP;*.GIF;*.JPG;*.DIB|All Files|*.*";

const char* flag(bool on) {
    return on ? "1" : "0";
}

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

void OptionsDialog::opening() {
    forms::Form& f = form3_;
    showOptionsPage("FGeneral");
    const forms::Runtime& runtime = f.runtime();
    f.move(std::floor(std::round(runtime.screenWidth() - f.width()) / 2),
           std::floor(std::round(runtime.screenHeight() - f.height()) / 2), f.width(), f.height());

    const std::string autostart = settings_.get("autostartme");
    if (autostart == "0" || autostart == "1")
        control("Combo3").setListIndex(autostart == "1" ? 0 : 1);
    // The entry of the variant on screen: an unknown deskvar shows variant 1.
    control("Combo2").setListIndex(settings_.variant() - 1);
    const std::string stars = settings_.get("V2Stars");
    if (stars == "0" || stars == "1")
        control("Combo6").setListIndex(stars == "1" ? 1 : 0);
    settings_.set("dvzapas", settings_.get("deskvar"));
    readLiveClockState();
    control("Combo1").setListIndex(settings_.language() == shell::Language::Russian ? 1 : 0);
    control("Label5").setCaption(settings_.get("V1speed"));
    settings_.set("V1speedR", settings_.get("V1speed"));
    const auto unit = stripUnit();
    control("Label22").setCaption(
        numberToText(unit ? textToNumber(settings_.get("v3shag")) / *unit : 0));
}

void OptionsDialog::readLiveClockState() {
    forms::Form& main = desktop();
    control("Combo5").setListIndex(main.control("Label103").visible() ? 1 : 0);
    control("Combo4").setListIndex(main.control("Label208").visible() ? 1 : 0);
}

void OptionsDialog::showDialog() {
    const bool wasShown = form3_.loaded() && form3_.visible();
    dialog();
    if (!wasShown)
        readLiveClockState();
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
    settings_.set("V1speed", label.caption());
}

std::optional<double> OptionsDialog::stripUnit() {
    const forms::Control* icon = desktop().find("Image21", 1);
    if (!icon || icon->width() <= 0)
        return std::nullopt;
    return icon->width() / 32.0;
}

void OptionsDialog::changeStripSpeed(int delta) {
    const auto unit = stripUnit();
    if (!unit)
        return;
    double level = std::nearbyint(textToNumber(settings_.get("v3shag")) / *unit);
    if ((delta > 0 && level < maxStripLevel) || (delta < 0 && level > 0))
        level += delta;
    control("Label22").setCaption(numberToText(level));
    settings_.set("v3shag", numberToText(*unit * level));
}

bool OptionsDialog::loadBackground(const std::string& path) {
    if (platform_.dialogs.loadPicture(path).error != 0)
        return false;
    desktop().control("Image19").setPicture(forms::Picture::file(path));
    return true;
}

void OptionsDialog::chooseBackground() {
    const std::string dir = platform_.files.programDir();
    const auto file = platform_.dialogs.getOpenFileName(0, {dir, imageFilter, 1});
    if (!file || file->empty())
        return;
    settings_.set("v3picdef", dir + "/image.jpg");
    const platform::PictureLoad load = platform_.dialogs.loadPicture(*file);
    if (load.error != 0) {
        const std::string text =
            load.error == fileNotFound ? "File not found" : "Error " + load.description;
        platform_.dialogs.messageBox(0, text, informationIcon, "Open");
        return;
    }
    desktop().control("Image19").setPicture(forms::Picture::file(*file));
    settings_.set("v3pic1", *file);
}

void OptionsDialog::showInstructions() {
    const std::string readMe = platform_.files.joinPath(platform_.files.programDir(), "ReadMe.txt");
    platform_.shell.shellExecute(0, "Open", readMe, "", "", swShowNormal);
}

void OptionsDialog::setStarLines(bool visible) {
    forms::Form& main = desktop();
    for (const char* line : starLines)
        main.control(line).setVisible(visible);
}

void OptionsDialog::setVariantFromCombo() {
    const int entry = control("Combo2").listIndex();
    if (entry < 0)
        return;
    settings_.set("deskvar", std::to_string(entry + 1));
    forms::Form& main = desktop();
    main.control("V3Frame").setVisible(entry == 2);
    main.control("V1Frame").setVisible(entry == 1);
}

void OptionsDialog::apply() {
    setVariantFromCombo();
    const int stars = control("Combo6").listIndex();
    if (stars >= 0)
        settings_.set("V2Stars", flag(stars == 1));
    const int language = control("Combo1").listIndex();
    if (language >= 0 &&
        settings_.get("Desklang") != languages[static_cast<std::size_t>(language)]) {
        settings_.set("Desklang", languages[static_cast<std::size_t>(language)]);
        clocks_.datash(); // the weekday names follow the language
    }
    const int autostart = control("Combo3").listIndex();
    if (autostart >= 0) {
        autostart_.setAutostart(autostart == 1 ? 1 : 2);
        // A shortcut that could not be written shows as "No".
        if (settings_.get("autostartme") == "0")
            control("Combo3").setListIndex(1);
    }
    if (control("Combo4").listIndex() == 1)
        clocks_.showClockGroup();
    else
        clocks_.hideClockGroup();
    if (control("Combo5").listIndex() == 1)
        calendar_.showCalendar();
    else
        calendar_.hideCalendar();
    const std::string stored = settings_.get("V2Stars");
    if (stored == "0")
        hideStarLines();
    else if (stored == "1")
        showStarLines();
}

void OptionsDialog::ok() {
    apply();
    forms::Form& main = desktop();
    settings_.set("v1calend", flag(main.control("Label103").visible()));
    settings_.set("v1timer", flag(main.control("Label208").visible()));
    const int stars = control("Combo6").listIndex();
    if (stars >= 0) {
        settings_.set("V2Stars", flag(stars == 1));
        settings_.set("V2Stars2", flag(stars == 1));
        setStarLines(stars == 1);
    }
    settings_.set("v3pic2", settings_.get("v3pic1"));
    settings_.keepStripStep();
    settingsFile_.saveSettingsFile();
    const bool starsOn = settings_.get("V2Stars") == "1";
    main.control("Frame3").setVisible(starsOn);
    main.control("Frame4").setVisible(starsOn);
    form3_.unload();
}

void OptionsDialog::cancel() {
    if (settings_.get("v3pic2") == " ")
        settings_.set("v3pic2", settings_.get("v3picdef"));
    if (settings_.get("v3pic1") != settings_.get("v3pic2"))
        settings_.set("v3pic1", settings_.get("v3pic2"));
    const std::string picture = settings_.get("v3pic1");
    if (picture != "pic1" && picture != "def")
        loadBackground(picture); // a picture that no longer loads leaves the current one
    settings_.set("V1speed", settings_.get("V1speedR"));
    if (settings_.clockOn())
        clocks_.showClockGroup();
    else if (settings_.get("v1timer") == "0")
        clocks_.hideClockGroup();
    if (settings_.calendarOn())
        calendar_.showCalendar();
    else if (settings_.get("v1calend") == "0")
        calendar_.hideCalendar();
    const std::string committed = settings_.get("V2Stars2");
    const int shown = control("Combo6").listIndex();
    if (committed == "1" && shown == 0)
        settings_.set("V2Stars", "1");
    if (committed == "0" && shown == 1)
        settings_.set("V2Stars", "0");
    const std::string stars = settings_.get("V2Stars");
    if (stars == "0")
        hideStarLines();
    else if (stars == "1")
        showStarLines();
    const std::string opened = settings_.get("dvzapas");
    const int entry = opened == "1" || opened == "2" || opened == "3" ? opened[0] - '1' : 0;
    // Always put back, also when the list was turned back after an Apply
    // without applying again. A variant text the list has no entry for
    // returns as it was; the screen shows variant 1 for it.
    control("Combo2").setListIndex(entry);
    setVariantFromCombo();
    settings_.set("deskvar", opened);
    form3_.unload();
}

} // namespace orvela::options
