#include "forms/form.h"

#include "forms/control_kinds.h"
#include "forms/runtime.h"

#include <algorithm>
#include <stdexcept>

namespace orvela::forms {

namespace {
// Every changed rectangle is kept up to this many (a ring of a hundred
// items moves some four hundred a tick), so that only what changed is
// repainted; beyond it a new one is merged into the rectangle it grows
// least, so that even thousands stay a set of small areas instead of one
// rectangle around all of them.
constexpr std::size_t maxDirtyRects = 1024;

float area(const Rect& r) {
    return r.width * r.height;
}
} // namespace

Form::Form(Runtime& runtime, const FormDesign& design)
    : runtime_(runtime), design_(design), name_(design.name) {}

PixelScale Form::pixelScale() const {
    return design_.followsDpi ? PixelScale::atDpi(runtime_.dpi()) : PixelScale{};
}

float Form::screenWidth() const {
    return runtime_.screenWidth() / twipsPerPixel * pixelScale().twipsPerPixel;
}

float Form::screenHeight() const {
    return runtime_.screenHeight() / twipsPerPixel * pixelScale().twipsPerPixel;
}

Form& Form::touch() {
    if (loaded_)
        return *this;
    build();
    loaded_ = true;
    ++loads_;
    runtime_.noteLoaded();
    invalidateAll();
    dispatch(nullptr, Event{EventType::Load});
    return *this;
}

void Form::unload() {
    if (!loaded_)
        return;
    loaded_ = false;
    visible_ = false;
    byName_.clear();
    topLevel_.clear();
    controls_.clear();
    dirty_.clear();
}

void Form::show() {
    touch();
    if (loaded_ && !visible_) {
        visible_ = true;
        // A maximised form covers the screen from the moment it shows.
        if (windowState_ == 2)
            move(0, 0, runtime_.screenWidth(), runtime_.screenHeight());
        invalidateAll();
    }
}

void Form::hide() {
    touch();
    visible_ = false;
}

void Form::move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    if (width != width_ || height != height_) {
        width_ = width;
        height_ = height;
        invalidateAll();
    }
}

void Form::setPicture(const Picture& p) {
    if (!(p == picture_)) {
        picture_ = p;
        invalidateAll();
    }
}

void Form::setPictureArea(const Rect& area) {
    if (!(area == pictureArea_)) {
        pictureArea_ = area;
        invalidateAll();
    }
}

void Form::build() {
    caption_ = design_.caption;
    left_ = design_.left;
    top_ = design_.top;
    width_ = design_.width;
    height_ = design_.height;
    backColor_ = design_.backColor;
    picture_ = design_.picture[0] ? Picture::artwork(design_.picture) : Picture{};
    windowState_ = design_.maximized ? 2 : 0;
    for (const ControlDesign& row : design_.controls) {
        Control* parent = nullptr;
        if (row.parent) {
            parent = find(row.parent);
            if (!parent)
                throw std::logic_error(name_ + ": parent " + row.parent + " of " + row.name +
                                       " is not designed before it");
        }
        if (row.index < 0) {
            addControl(row, -1, parent);
        } else {
            for (int i = 0; i < row.count; ++i)
                addControl(row, row.index + i, parent);
        }
    }
}

Control& Form::addControl(const ControlDesign& row, int index, Control* parent) {
    auto owned = std::make_unique<Control>(*this, row.kind, row.name, index, parent);
    Control& c = *owned;
    c.left_ = row.left;
    c.top_ = row.top;
    c.width_ = row.width;
    c.height_ = row.height;
    c.caption_ = row.caption;
    c.font_ = design_.defaultFont;
    if (row.font.name) {
        c.font_.name = row.font.name;
        c.font_.size = row.font.size;
        c.font_.bold = row.font.bold;
        c.font_.italic = row.font.italic;
        if (row.font.charset >= 0)
            c.font_.charset = row.font.charset;
    }
    c.foreColor_ = row.foreColor;
    c.backColor_ = row.backColor;
    c.backStyle_ = row.backStyle;
    c.alignment_ = row.alignment;
    c.wordWrap_ = row.wordWrap;
    c.visible_ = row.visible;
    if (row.picture && row.picture[0])
        c.picture_ = Picture::artwork(row.picture);
    c.stretch_ = row.stretch;
    c.x1_ = row.x1;
    c.y1_ = row.y1;
    c.x2_ = row.x2;
    c.y2_ = row.y2;
    c.borderWidth_ = row.borderWidth;
    c.borderColor_ = row.borderColor;
    c.interval_ = row.interval;
    c.defaultButton_ = row.defaultButton;
    c.cancelButton_ = row.cancelButton;
    for (const char* entry : row.list)
        c.items_.emplace_back(entry);
    for (const TabDesign& tab : row.tabs) {
        c.items_.emplace_back(tab.caption);
        c.tabs_.push_back({tab.key, tab.toolTip});
    }
    if (!row.tabs.empty())
        c.listIndex_ = 0;
    auto key = std::make_pair(std::string(row.name), index);
    if (byName_.count(key))
        throw std::logic_error(name_ + ": control " + c.qualifiedName() + " designed twice");
    byName_[key] = &c;
    if (!parent)
        topLevel_.push_back(&c);
    controls_.push_back(std::move(owned));
    return c;
}

Control* Form::find(const std::string& name, int index) const {
    auto it = byName_.find({name, index});
    return it == byName_.end() ? nullptr : it->second;
}

Control& Form::control(const std::string& name, int index) const {
    if (Control* c = find(name, index))
        return *c;
    throw std::out_of_range(name_ + (loaded_ ? ": no control " : " is not loaded: no control ") +
                            name + (index >= 0 ? "(" + std::to_string(index) + ")" : ""));
}

namespace {

// Whether a control of this kind (none: the form itself) ever gets the event.
bool raises(const ControlKind* kind, EventType type) {
    const bool mouse = type == EventType::MouseMove || type == EventType::MouseUp ||
                       type == EventType::Click || type == EventType::DblClick;
    if (!kind)
        return mouse || type == EventType::Load;
    switch (*kind) {
    case ControlKind::Timer:
        return type == EventType::Timer;
    case ControlKind::Line:
    case ControlKind::ImageList:
        return false;
    case ControlKind::Menu:
        return type == EventType::Click;
    case ControlKind::ListView:
        return mouse || type == EventType::ColumnClick;
    default:
        return mouse;
    }
}

} // namespace

void Form::on(const std::string& controlName, EventType type, Handler handler) {
    // A handler for a control the design lacks, or for an event its kind
    // never raises, would never run: a naming mistake, caught when binding
    // rather than by a button that does nothing.
    const ControlKind* kind = nullptr;
    if (!controlName.empty()) {
        auto row = std::find_if(design_.controls.begin(), design_.controls.end(),
                                [&](const ControlDesign& r) { return controlName == r.name; });
        if (row == design_.controls.end())
            throw std::logic_error(name_ + ": handler for " + eventName(type) +
                                   " of a control the design lacks: " + controlName);
        kind = &row->kind;
    }
    if (!raises(kind, type))
        throw std::logic_error(name_ + ": " + (controlName.empty() ? name_ : controlName) +
                               " never raises " + eventName(type));
    handlers_[{controlName, type}] = std::move(handler);
}

void Form::dispatch(Control* control, Event event) {
    if (!loaded_)
        return;
    event.control = control;
    event.index = control ? control->index() : -1;
    auto it = handlers_.find({control ? control->name() : std::string(), event.type});
    if (it == handlers_.end())
        return;
    Handler handler = it->second; // the handler may unload this form
    handler(event);
}

Control* Form::hitIn(const std::vector<Control*>& siblings, float x, float y, Hit& hit) const {
    // Windowed controls lie above the lightweight ones; within each group
    // the later in z-order is on top.
    for (int pass = 1; pass >= 0; --pass) {
        for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
            Control* c = *it;
            if (c->isWindowed() != (pass == 1))
                continue;
            if (!c->visible() || !c->enabled() || !rulesOf(c->kind()).catchesMouse ||
                !c->bounds().contains(x, y))
                continue;
            float lx = x - c->left(), ly = y - c->top();
            if (c->isContainer()) {
                if (Control* inner = hitIn(c->children(), lx, ly, hit))
                    return inner;
            }
            hit = {c, lx, ly};
            return c;
        }
    }
    return nullptr;
}

Hit Form::hitTest(float x, float y) const {
    Hit hit{nullptr, x, y};
    if (!loaded_)
        return hit;
    if (!hitIn(topLevel_, x, y, hit))
        hit = {nullptr, x, y};
    return hit;
}

void Form::appendPaintOrder(const std::vector<Control*>& siblings,
                            std::vector<Control*>& out) const {
    for (int pass = 0; pass < 2; ++pass) {
        for (Control* c : siblings) {
            if (c->isWindowed() != (pass == 1))
                continue;
            out.push_back(c);
            if (c->isContainer())
                appendPaintOrder(c->children(), out);
        }
    }
}

std::vector<Control*> Form::paintOrder() const {
    std::vector<Control*> out;
    out.reserve(controls_.size());
    appendPaintOrder(topLevel_, out);
    return out;
}

void Form::invalidate(const Rect& r) {
    Rect clipped = r.intersected({0, 0, width_, height_});
    if (clipped.empty())
        return;
    // A control marks its box once for each property a change sets: the
    // latest few rectangles catch the repeats. Older ones are not searched
    // (a tick of a hundred moving items marks some four hundred); a repeat
    // that slips through only repaints the same pixels once more.
    const std::size_t recent = std::min<std::size_t>(dirty_.size(), 16);
    for (std::size_t i = dirty_.size() - recent; i < dirty_.size(); ++i) {
        const Rect& d = dirty_[i];
        if (d.left <= clipped.left && d.top <= clipped.top && d.right() >= clipped.right() &&
            d.bottom() >= clipped.bottom())
            return; // already covered
    }
    if (dirty_.size() < maxDirtyRects) {
        dirty_.push_back(clipped);
        return;
    }
    Rect* best = &dirty_.front();
    float bestGrowth = area(best->united(clipped)) - area(*best);
    for (Rect& d : dirty_) {
        float growth = area(d.united(clipped)) - area(d);
        if (growth < bestGrowth) {
            best = &d;
            bestGrowth = growth;
        }
    }
    *best = best->united(clipped);
}

void Form::invalidateAll() {
    dirty_.assign(1, Rect{0, 0, width_, height_});
}

std::vector<Rect> Form::takeDirty() {
    std::vector<Rect> out;
    out.swap(dirty_);
    return out;
}

} // namespace orvela::forms
