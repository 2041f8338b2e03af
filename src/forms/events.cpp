#include "forms/events.h"

namespace orvela::forms {

const char* eventName(EventType type) {
    switch (type) {
    case EventType::MouseMove:
        return "MouseMove";
    case EventType::MouseUp:
        return "MouseUp";
    case EventType::Click:
        return "Click";
    case EventType::DblClick:
        return "DblClick";
    case EventType::Load:
        return "Load";
    case EventType::Timer:
        return "Timer";
    case EventType::ColumnClick:
        return "ColumnClick";
    }
    return "";
}

} // namespace orvela::forms
