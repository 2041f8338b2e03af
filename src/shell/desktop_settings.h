// The settings record: typed values, each kept as the text it is stored as.
// A text the program never writes itself (a damaged settings file) stays as
// it is, so it is written back byte for byte; the typed view says what it
// means. The record is mirrored into the captions of hidden labels of the
// start-up window Form1, one label per field, written in one place
// (desktop_settings.cpp), so the driver's dumps show every value.
#pragma once

#include "forms/form.h"

#include <array>
#include <optional>
#include <string>

namespace orvela::shell {

enum class Language { English, Russian };
// The display variants: 1 the analogue clock with the ring, 2 the star
// field, 3 the scrolling strip.
enum class Variant { One = 1, Two = 2, Three = 3 };

// A value of type T stored as text.
template <class T> struct Stored {
    std::string text;
    // The value the text holds, or none for a text the program does not
    // write (see the specialisations in desktop_settings.cpp).
    std::optional<T> value() const;
    // Stores v as the program writes it.
    void set(T v);
    bool operator==(const Stored&) const = default;
};

// Texts "1" (true) and "0" (false).
template <> std::optional<bool> Stored<bool>::value() const;
template <> void Stored<bool>::set(bool v);
// Texts "1", "2", "3".
template <> std::optional<Variant> Stored<Variant>::value() const;
template <> void Stored<Variant>::set(Variant v);
// Every text is a number: the number at its start, or 0.
template <> std::optional<double> Stored<double>::value() const;
template <> void Stored<double>::set(double v);
// "Russian"; every other text is English.
template <> std::optional<Language> Stored<Language>::value() const;
template <> void Stored<Language>::set(Language v);
// A weekday: one digit 1..7; none otherwise.
template <> std::optional<int> Stored<int>::value() const;
template <> void Stored<int>::set(int v);

struct SettingsValues {
    Stored<Variant> variant;       // the display variant
    Stored<double> iconSpeed;      // speed of the variant-1 ring, 0..100
    Stored<Language> language;     // the interface language of dates
    Stored<bool> clockOn;          // the variant-1 digital clock group shows
    Stored<bool> calendarOn;       // the month calendar shows
    Stored<double> openedSpeed;    // the ring speed when Options opened
    Stored<bool> starsOn;          // the star field animates
    Stored<double> stripStep;      // variant-3 strip step, twips per tick
    Stored<bool> autostart;        // a StartUp shortcut starts the program
    Stored<Variant> openedVariant; // the variant when Options opened
    Stored<bool> committedStars;   // the star setting last saved or read
    Stored<double> configuredStep; // the strip step a pause returns to
    Stored<bool> taskbarToggle;    // "0": the next Start shows the taskbar
    Stored<int> weekday;           // today, 1 = Monday .. 7 = Sunday
    std::string picture;           // the variant-3 background
    std::string committedPicture;  // the background last committed
    std::string defaultPicture;    // the background a Cancel falls back to

    bool operator==(const SettingsValues&) const = default;
};

class DesktopSettings {
public:
    // The nine values kept in the settings file, in file order (lines 12..20).
    static constexpr std::size_t storedCount = 9;

    explicit DesktopSettings(forms::Form& form1) : form1_(form1) {}

    // The record as Form1's labels hold it now. Reading or changing it
    // touches Form1 (it is loaded for the whole run).
    SettingsValues values() const;
    // Changes the record and writes every value back into its label.
    template <class Edit> void update(Edit&& edit) {
        SettingsValues v = values();
        edit(v);
        write(v);
    }

    // The texts of the stored values in file order, and their assignment.
    std::array<std::string, storedCount> storedTexts() const;
    void assignStored(const std::array<std::string, storedCount>& texts);

    // The variant on screen: any text but "1".."3" shows variant 1.
    Variant variant() const;
    // The clock group and the calendar show for "1" only; the stars animate
    // unless the text is "0".
    bool clockOn() const;
    bool calendarOn() const;
    bool starsOn() const;
    Language language() const;
    double iconSpeed() const;
    double stripStep() const;
    // Today's weekday 1..7, or 0 when the record holds none.
    int weekday() const;

    void setWeekday(int weekday) {
        update([weekday](SettingsValues& v) { v.weekday.set(weekday); });
    }
    // Makes the current strip step the one a pause returns to.
    void keepStripStep() {
        update([](SettingsValues& v) { v.configuredStep = v.stripStep; });
    }

private:
    void write(SettingsValues& v);
    std::string label(const char* name) const;

    forms::Form& form1_;
};

} // namespace orvela::shell
