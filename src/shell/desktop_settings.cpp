#include "shell/desktop_settings.h"

#include "common/value_text.h"

namespace orvela::shell {

using common::textToNumber;

std::string DesktopSettings::get(const char* field) const {
    return form1_.touch().control(field).caption();
}

void DesktopSettings::set(const char* field, const std::string& value) {
    form1_.touch().control(field).setCaption(value);
}

int DesktopSettings::variant() const {
    const std::string v = get("deskvar");
    return v == "2" ? 2 : v == "3" ? 3 : 1;
}

Language DesktopSettings::language() const {
    return get("Desklang") == "Russian" ? Language::Russian : Language::English;
}

double DesktopSettings::iconSpeed() const {
    return textToNumber(get("V1speed"));
}

double DesktopSettings::stripStep() const {
    return textToNumber(get("v3shag"));
}

int DesktopSettings::weekday() const {
    const std::string d = get("dennn");
    return d.size() == 1 && d[0] >= '1' && d[0] <= '7' ? d[0] - '0' : 0;
}

} // namespace orvela::shell
