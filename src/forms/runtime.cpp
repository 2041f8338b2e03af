#include "forms/runtime.h"

namespace orvela::forms {

Runtime::Runtime(Clock& clock, float screenWidth, float screenHeight)
    : clock_(clock), screenWidth_(screenWidth), screenHeight_(screenHeight) {}

void Runtime::setScreenSize(float width, float height) {
    screenWidth_ = width;
    screenHeight_ = height;
    for (const auto& f : forms_)
        if (f->loaded() && f->design().maximized)
            f->move(0, 0, width, height);
}

Form& Runtime::addForm(const FormDesign& design) {
    forms_.push_back(std::make_unique<Form>(*this, design));
    return *forms_.back();
}

Form* Runtime::findForm(const std::string& name) const {
    for (const auto& f : forms_)
        if (f->name() == name)
            return f.get();
    return nullptr;
}

void Runtime::advance(int ms) {
    for (const auto& f : forms_) {
        if (!f->loaded())
            continue;
        // Collect first: a timer handler may unload forms.
        std::vector<std::pair<std::string, int>> timers;
        for (const auto& c : f->controls())
            if (c->kind() == ControlKind::Timer && c->elapse(ms))
                timers.emplace_back(c->name(), c->index());
        for (const auto& [name, index] : timers)
            if (Control* c = f->find(name, index))
                f->dispatch(c, Event{EventType::Timer});
    }
}

bool Runtime::ended() const {
    if (!everLoaded_)
        return false;
    for (const auto& f : forms_)
        if (f->loaded())
            return false;
    return true;
}

} // namespace orvela::forms
