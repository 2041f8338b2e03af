#include "shell/desktop_settings.h"

namespace orvela::shell {

std::string DesktopSettings::get(const char* field) const {
    return form1_.touch().control(field).caption();
}

void DesktopSettings::set(const char* field, const std::string& value) {
    form1_.touch().control(field).setCaption(value);
}

} // namespace orvela::shell
