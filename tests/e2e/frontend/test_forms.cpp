#include "test_forms.h"

#include "forms/events.h"

#include <cmath>

namespace orvela::test {

void EventLog::record(forms::Form& form, const std::string& control, forms::EventType type) {
    form.on(control, type, [this, control, type](const forms::Event& e) {
        std::string line = control.empty() ? std::string("Form") : control;
        line.append(".").append(forms::eventName(type));
        if (type == forms::EventType::MouseMove || type == forms::EventType::MouseUp) {
            for (long v :
                 {static_cast<long>(e.button), std::lround(e.x / px), std::lround(e.y / px)})
                line.append(" ").append(std::to_string(v));
        }
        lines.push_back(line);
    });
}

} // namespace orvela::test
