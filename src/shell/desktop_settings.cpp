#include "shell/desktop_settings.h"

#include "common/value_text.h"

#include <type_traits>

namespace orvela::shell {

template <> std::optional<bool> Stored<bool>::value() const {
    if (text == "1")
        return true;
    if (text == "0")
        return false;
    return std::nullopt;
}
template <> void Stored<bool>::set(bool v) {
    text.assign(1, v ? '1' : '0');
}

template <> std::optional<Variant> Stored<Variant>::value() const {
    if (text.size() != 1 || text[0] < '1' || text[0] > '3')
        return std::nullopt;
    return static_cast<Variant>(text[0] - '0');
}
template <> void Stored<Variant>::set(Variant v) {
    text = std::to_string(static_cast<int>(v));
}

template <> std::optional<double> Stored<double>::value() const {
    return common::textToNumber(text);
}
template <> void Stored<double>::set(double v) {
    text = common::numberToText(v);
}

template <> std::optional<Language> Stored<Language>::value() const {
    return text == "Russian" ? Language::Russian : Language::English;
}
template <> void Stored<Language>::set(Language v) {
    text = std::string(v == Language::Russian ? "Russian" : "English");
}

template <> std::optional<int> Stored<int>::value() const {
    if (text.size() != 1 || text[0] < '1' || text[0] > '7')
        return std::nullopt;
    return text[0] - '0';
}
template <> void Stored<int>::set(int v) {
    text = std::to_string(v);
}

namespace {

using TextOf = std::string& (*)(SettingsValues&);

template <auto member> std::string& textOf(SettingsValues& v) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(v.*member)>, std::string>)
        return v.*member;
    else
        return (v.*member).text;
}

struct Mirror {
    const char* label; // the value label of Form1
    TextOf text;
};

// Every value and its label; the first nine are the stored ones, in file order.
constexpr std::array<Mirror, 17> mirrors = {{
    {"deskvar", &textOf<&SettingsValues::variant>},
    {"V1speed", &textOf<&SettingsValues::iconSpeed>},
    {"Desklang", &textOf<&SettingsValues::language>},
    {"v1timer", &textOf<&SettingsValues::clockOn>},
    {"v1calend", &textOf<&SettingsValues::calendarOn>},
    {"V1speedR", &textOf<&SettingsValues::openedSpeed>},
    {"V2Stars", &textOf<&SettingsValues::starsOn>},
    {"v3shag", &textOf<&SettingsValues::stripStep>},
    {"autostartme", &textOf<&SettingsValues::autostart>},
    {"dvzapas", &textOf<&SettingsValues::openedVariant>},
    {"V2Stars2", &textOf<&SettingsValues::committedStars>},
    {"v3shag2", &textOf<&SettingsValues::configuredStep>},
    {"checkpusk", &textOf<&SettingsValues::taskbarToggle>},
    {"dennn", &textOf<&SettingsValues::weekday>},
    {"v3pic1", &textOf<&SettingsValues::picture>},
    {"v3pic2", &textOf<&SettingsValues::committedPicture>},
    {"v3picdef", &textOf<&SettingsValues::defaultPicture>},
}};
static_assert(DesktopSettings::storedCount <= mirrors.size());

} // namespace

std::string DesktopSettings::label(const char* name) const {
    return form1_.touch().control(name).caption();
}

SettingsValues DesktopSettings::values() const {
    forms::Form& f = form1_.touch();
    SettingsValues v;
    for (const Mirror& m : mirrors)
        m.text(v) = f.control(m.label).caption();
    return v;
}

void DesktopSettings::write(SettingsValues& v) {
    forms::Form& f = form1_.touch();
    for (const Mirror& m : mirrors)
        f.control(m.label).setCaption(m.text(v));
}

std::array<std::string, DesktopSettings::storedCount> DesktopSettings::storedTexts() const {
    SettingsValues v = values();
    std::array<std::string, storedCount> texts;
    for (std::size_t i = 0; i < storedCount; ++i)
        texts[i] = mirrors[i].text(v);
    return texts;
}

void DesktopSettings::assignStored(const std::array<std::string, storedCount>& texts) {
    update([&texts](SettingsValues& v) {
        for (std::size_t i = 0; i < storedCount; ++i)
            mirrors[i].text(v) = texts[i];
    });
}

// The values read on every tick are read from their own label alone.
Variant DesktopSettings::variant() const {
    return Stored<Variant>{label("deskvar")}.value().value_or(Variant::One);
}
bool DesktopSettings::clockOn() const {
    return Stored<bool>{label("v1timer")}.value() == true;
}
bool DesktopSettings::calendarOn() const {
    return Stored<bool>{label("v1calend")}.value() == true;
}
bool DesktopSettings::starsOn() const {
    return Stored<bool>{label("V2Stars")}.value() != false;
}
Language DesktopSettings::language() const {
    return *Stored<Language>{label("Desklang")}.value();
}
double DesktopSettings::iconSpeed() const {
    return *Stored<double>{label("V1speed")}.value();
}
double DesktopSettings::stripStep() const {
    return *Stored<double>{label("v3shag")}.value();
}
int DesktopSettings::weekday() const {
    return Stored<int>{label("dennn")}.value().value_or(0);
}

} // namespace orvela::shell
