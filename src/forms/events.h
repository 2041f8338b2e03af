// Events of the forms runtime, delivered to handlers keyed by control name.
#pragma once

#include <functional>

namespace orvela::forms {

class Control;

enum class EventType { MouseMove, MouseUp, Click, DblClick, Load, Timer, ColumnClick };

// Mouse button codes as the handlers see them.
enum MouseButton : int { noButton = 0, leftButton = 1, rightButton = 2, middleButton = 4 };

struct Event {
    EventType type = EventType::Click;
    Control* control = nullptr; // null for events of the form itself
    int index = -1;             // the element of a control array, -1 otherwise
    int button = noButton;      // MouseMove/MouseUp
    float x = 0, y = 0;         // twips, relative to the receiving control (or the form)
    int column = 0;             // ColumnClick: the header, counted from 1
};

using Handler = std::function<void(const Event&)>;

const char* eventName(EventType type);

} // namespace orvela::forms
