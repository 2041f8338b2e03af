// The settings record: the captions of hidden labels of the start-up window
// Form1, one label per field. Fields are texts and compare as texts; the
// typed accessors below keep the field names and the conversions in one
// place, so callers never spell a field.
#pragma once

#include "forms/form.h"

#include <array>
#include <string>

namespace orvela::shell {

enum class Language { English, Russian };

class DesktopSettings {
public:
    // The nine fields kept in the settings file, in file order (lines 12..20).
    static constexpr std::array<const char*, 9> storedFields = {
        "deskvar",  "V1speed", "Desklang", "v1timer",    "v1calend",
        "V1speedR", "V2Stars", "v3shag",   "autostartme"};

    explicit DesktopSettings(forms::Form& form1) : form1_(form1) {}

    // Reading or writing a field touches Form1 (it is loaded for the whole run).
    std::string get(const char* field) const;
    void set(const char* field, const std::string& value);

    // The display variant 1, 2 or 3. Any other text of deskvar (an empty or
    // damaged settings file) shows variant 1; the text itself stays as it is.
    int variant() const;
    // The variant-1 digital clock group and the month calendar are shown
    // ("1"); anything else hides them.
    bool clockOn() const { return get("v1timer") == "1"; }
    bool calendarOn() const { return get("v1calend") == "1"; }
    // The star field animates unless V2Stars is "0".
    bool starsOn() const { return get("V2Stars") != "0"; }
    // Russian only for exactly "Russian"; every other text is English.
    Language language() const;

    // Speed of the variant-1 item ring (V1speed; no number counts as 0).
    double iconSpeed() const;
    // Step of the variant-3 strip in twips per tick (v3shag; no number is 0),
    // and the configured step it returns to after a pause (v3shag2).
    double stripStep() const;
    // Makes the current step the configured one (v3shag2 := v3shag).
    void keepStripStep() { set("v3shag2", get("v3shag")); }

    // Today's weekday, 1 = Monday .. 7 = Sunday (dennn); 0 if it holds none.
    int weekday() const;
    void setWeekday(int weekday) { set("dennn", std::to_string(weekday)); }

private:
    forms::Form& form1_;
};

} // namespace orvela::shell
