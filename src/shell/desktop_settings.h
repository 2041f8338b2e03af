// The settings record: the captions of hidden labels of the start-up window
// Form1, one label per field. Fields are texts and compare as texts; code
// that needs a number converts where it uses it (value_text.h).
#pragma once

#include "forms/form.h"

#include <array>
#include <string>

namespace orvela::shell {

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

private:
    forms::Form& form1_;
};

} // namespace orvela::shell
