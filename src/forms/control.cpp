#include "forms/control.h"

#include "forms/control_kinds.h"
#include "forms/form.h"

#include <algorithm>
#include <cmath>

namespace orvela::forms {

const char* kindName(ControlKind kind) {
    return rulesOf(kind).name;
}

Control::Control(Form& form, ControlKind kind, std::string name, int index, Control* parent)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), parent_(parent) {
    if (parent_)
        parent_->children_.push_back(this);
}

std::string Control::qualifiedName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::isWindowed() const {
    return rulesOf(kind_).windowed;
}

bool Control::isContainer() const {
    return rulesOf(kind_).container;
}

void Control::originInForm(float& x, float& y) const {
    x = 0;
    y = 0;
    for (const Control* p = parent_; p; p = p->parent_) {
        x += p->left_;
        y += p->top_;
    }
}

Rect Control::ownRect() const {
    if (kind_ != ControlKind::Line)
        return bounds();
    // A line covers its end points plus half its width on every side.
    float pad = static_cast<float>(std::max(borderWidth_, 1)) * twipsPerPixel;
    float l = std::min(x1_, x2_) - pad, t = std::min(y1_, y2_) - pad;
    return {l, t, std::fabs(x2_ - x1_) + 2 * pad, std::fabs(y2_ - y1_) + 2 * pad};
}

Rect Control::formRect() const {
    float ox = 0, oy = 0;
    originInForm(ox, oy);
    Rect r = ownRect().translated(ox, oy);
    for (const Control* p = parent_; p; p = p->parent_) {
        float px = 0, py = 0;
        p->originInForm(px, py);
        r = r.intersected(p->bounds().translated(px, py));
    }
    return r;
}

bool Control::effectivelyVisible() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

void Control::invalidate() {
    markDirty(fillsParent_ && parent_ ? parent_->formRect() : formRect());
}

void Control::markDirty(const Rect& r) {
    if (kind_ == ControlKind::Timer || !form_.loaded())
        return;
    for (const Control* p = parent_; p; p = p->parent_)
        if (!p->visible_)
            return;
    if (visible_ && !r.empty())
        form_.invalidate(r);
}

namespace {

// The visible controls inside c, at any depth; false when one of them fills
// its frame (then the frame's whole box shows it).
bool visibleInside(const std::vector<Control*>& children, std::vector<const Control*>& out) {
    for (const Control* c : children) {
        if (!c->visible())
            continue;
        if (c->fillsParent())
            return false;
        out.push_back(c);
        if (!visibleInside(c->children(), out))
            return false;
    }
    return true;
}

} // namespace

template <typename F> void Control::changeGeometry(F&& mutate) {
    // A frame is a plain fill: moved while its clipped box stays (the strip
    // wider than the screen, scrolling), it looks the same but for what it
    // holds, so only that is repainted, where it was and where it goes.
    std::vector<const Control*> inside;
    const bool plain = kind_ == ControlKind::Frame && visibleInside(children_, inside);
    std::vector<Rect> was;
    if (plain)
        for (const Control* c : inside)
            was.push_back(c->formRect());
    const Rect before = formRect();
    mutate();
    const Rect after = formRect();
    if (plain && before == after) {
        for (std::size_t i = 0; i < inside.size(); ++i) {
            const Rect now = inside[i]->formRect();
            if (now != was[i]) {
                markDirty(was[i]);
                markDirty(now);
            }
        }
        return;
    }
    markDirty(before);
    markDirty(after);
}

void Control::setLeft(float v) {
    if (v != left_)
        changeGeometry([&] { left_ = v; });
}
void Control::setTop(float v) {
    if (v != top_)
        changeGeometry([&] { top_ = v; });
}
void Control::setWidth(float v) {
    v = std::max(v, 0.0f);
    if (v != width_)
        changeGeometry([&] { width_ = v; });
}
void Control::setHeight(float v) {
    v = std::max(v, 0.0f);
    if (v != height_)
        changeGeometry([&] { height_ = v; });
}
void Control::move(float left, float top, float width, float height) {
    width = std::max(width, 0.0f);
    height = std::max(height, 0.0f);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    changeGeometry([&] {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    });
}

void Control::setVisible(bool v) {
    if (v == visible_)
        return;
    if (visible_)
        invalidate();
    visible_ = v;
    invalidate();
}

void Control::setEnabled(bool v) {
    if (v != enabled_) {
        enabled_ = v;
        elapsed_ = 0;
        invalidate();
    }
}

void Control::setInterval(int ms) {
    if (ms != interval_) {
        interval_ = ms;
        elapsed_ = 0; // re-armed, as SetTimer does
    }
}

bool Control::timerRuns() const {
    return kind_ == ControlKind::Timer && enabled_ && interval_ > 0 && form_.loaded();
}

bool Control::elapse(int ms) {
    if (!timerRuns())
        return false;
    elapsed_ += ms;
    if (elapsed_ < interval_)
        return false;
    elapsed_ %= interval_;
    return true;
}

// Assigns a property and repaints the control if the value changed.
#define ORVELA_SET(member, value)                                                                  \
    do {                                                                                           \
        if (!(member == (value))) {                                                                \
            member = (value);                                                                      \
            invalidate();                                                                          \
        }                                                                                          \
    } while (0)

void Control::setCaption(const std::string& v) {
    ORVELA_SET(caption_, v);
}
void Control::setFont(const Font& f) {
    ORVELA_SET(font_, f);
}
void Control::setFontSize(float points) {
    ORVELA_SET(font_.size, points);
}
void Control::setForeColor(Color c) {
    ORVELA_SET(foreColor_, c);
}
void Control::setBackColor(Color c) {
    ORVELA_SET(backColor_, c);
}
void Control::setBackStyle(int s) {
    ORVELA_SET(backStyle_, s);
}
void Control::setAlignment(Alignment a) {
    ORVELA_SET(alignment_, a);
}
void Control::setWordWrap(bool w) {
    ORVELA_SET(wordWrap_, w);
}
void Control::setPicture(const Picture& p) {
    ORVELA_SET(picture_, p);
}
void Control::setFillsParent(bool f) {
    ORVELA_SET(fillsParent_, f);
}

void Control::setStretch(bool s) {
    ORVELA_SET(stretch_, s);
}
void Control::setBorderColor(Color c) {
    ORVELA_SET(borderColor_, c);
}
void Control::setText(const std::string& v) {
    ORVELA_SET(text_, v);
}

#undef ORVELA_SET

void Control::setX1(float v) {
    if (v != x1_)
        changeGeometry([&] { x1_ = v; });
}
void Control::setY1(float v) {
    if (v != y1_)
        changeGeometry([&] { y1_ = v; });
}
void Control::setX2(float v) {
    if (v != x2_)
        changeGeometry([&] { x2_ = v; });
}
void Control::setY2(float v) {
    if (v != y2_)
        changeGeometry([&] { y2_ = v; });
}
void Control::setEnds(float x1, float y1, float x2, float y2) {
    if (x1 != x1_ || y1 != y1_ || x2 != x2_ || y2 != y2_)
        changeGeometry([&] {
            x1_ = x1;
            y1_ = y1;
            x2_ = x2;
            y2_ = y2;
        });
}
void Control::setBorderWidth(int w) {
    w = std::max(w, 1);
    if (w != borderWidth_)
        changeGeometry([&] { borderWidth_ = w; });
}

void Control::addItem(const std::string& text) {
    items_.push_back(text);
    invalidate();
}

void Control::clearItems() {
    items_.clear();
    listIndex_ = -1;
    invalidate();
}

namespace {

const std::string& columnText(const ListRow& row, int column) {
    static const std::string none;
    if (column <= 0)
        return row.text;
    const auto i = static_cast<std::size_t>(column - 1);
    return i < row.subItems.size() ? row.subItems[i] : none;
}

// Text order without regard to the case of ASCII letters.
bool textBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        return fold(static_cast<unsigned char>(x)) < fold(static_cast<unsigned char>(y));
    });
}

} // namespace

bool Control::rowBefore(const ListRow& a, const ListRow& b) const {
    const std::string &x = columnText(a, sortKey_), &y = columnText(b, sortKey_);
    return sortOrder_ == 0 ? textBefore(x, y) : textBefore(y, x);
}

void Control::addRow(ListRow row) {
    if (!sorted_) {
        rows_.push_back(std::move(row));
    } else {
        // Keeps the order: after every row that does not come after it.
        auto at = std::upper_bound(
            rows_.begin(), rows_.end(), row,
            [this](const ListRow& a, const ListRow& b) { return rowBefore(a, b); });
        rows_.insert(at, std::move(row));
    }
    invalidate();
}

void Control::clearRows() {
    rows_.clear();
    invalidate();
}

void Control::setSortKey(int column) {
    sortKey_ = column;
}

void Control::setSortOrder(int order) {
    sortOrder_ = order;
}

void Control::setSorted(bool sorted) {
    sorted_ = sorted;
    if (!sorted_)
        return;
    std::stable_sort(rows_.begin(), rows_.end(),
                     [this](const ListRow& a, const ListRow& b) { return rowBefore(a, b); });
    invalidate();
}

void Control::setView(int view) {
    if (view != view_) {
        view_ = view;
        invalidate();
    }
}

void Control::addImage(const std::string& key, const Picture& picture) {
    images_.emplace_back(key, picture);
}

bool Control::hasImage(const std::string& key) const {
    return std::any_of(images_.begin(), images_.end(),
                       [&](const auto& image) { return image.first == key; });
}

void Control::setListIndex(int i) {
    if (i < -1 || i >= static_cast<int>(items_.size()))
        i = -1;
    if (i != listIndex_) {
        listIndex_ = i;
        text_ = i >= 0 ? items_[static_cast<std::size_t>(i)] : std::string();
        invalidate();
    }
}

} // namespace orvela::forms
