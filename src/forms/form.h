// A form of the runtime: its controls in z-order, lookup by name and index,
// its own properties, its loaded and shown state, and its event handlers.
//
// A form is built from its design table when it is loaded. It loads the first
// time the logic touches it (touch()), which runs its Load handler then; that
// order carries behaviour, so every access that may load a form says so.
// Unloading drops the controls; a later touch builds them anew from the design.
#pragma once

#include "forms/control.h"
#include "forms/design.h"
#include "forms/events.h"
#include "forms/geometry.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvela::forms {

class Runtime;

struct Hit {
    Control* control = nullptr; // null: the form itself
    float x = 0, y = 0;         // relative to control (or the form)
};

class Form {
public:
    Form(Runtime& runtime, const FormDesign& design);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    Runtime& runtime() const { return runtime_; }
    const FormDesign& design() const { return design_; }

    // Lifecycle.
    bool loaded() const { return loaded_; }
    // How many times the form was loaded: a control found after the last
    // load stays where it is until the form is unloaded, so a part may keep
    // the controls it moves at every tick while this stays the same.
    std::uint64_t loads() const { return loads_; }
    Form& touch(); // loads the form (running its Load handler) unless loaded
    void unload(); // no-op when not loaded
    void show();   // touches, then makes visible
    void hide();   // touches, then hides
    bool visible() const { return visible_; }

    // Own properties (twips).
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void move(float left, float top, float width, float height);
    void setLeft(float v) { move(v, top_, width_, height_); }
    void setTop(float v) { move(left_, v, width_, height_); }
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    // Where the form's picture is drawn, twips, stretched to fit; empty (the
    // default) draws it at its own size from the form's top-left corner.
    const Rect& pictureArea() const { return pictureArea_; }
    void setPictureArea(const Rect& area);
    Color backColor() const { return backColor_; }
    int windowState() const { return windowState_; } // 0 normal, 1 minimised, 2 maximised
    void setWindowState(int s) { windowState_ = s; }
    bool borderless() const { return design_.borderless; }
    bool dialog() const { return design_.dialog; }
    // Twips to device pixels for this form: 1440 / dpi when its design
    // follows the dpi, 15 otherwise.
    PixelScale pixelScale() const;
    // The screen in this form's own twips.
    float screenWidth() const;
    float screenHeight() const;
    // Clears the drawing surface and marks the whole form for repainting.
    void clearSurface() { invalidateAll(); }
    // Pops up a menu of the form (a Menu control) where the pointer is; the
    // name of the last one asked for, empty for none.
    void popUpMenu(const std::string& menuName) { popUpMenu_ = menuName; }
    const std::string& poppedUpMenu() const { return popUpMenu_; }

    // Controls; valid while loaded. Lookups do not load the form.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* find(const std::string& name, int index = -1) const;
    // As find(), but a missing control is a programming error (throws std::out_of_range).
    Control& control(const std::string& name, int index = -1) const;

    // Handlers, keyed by control name (shared by all elements of an array);
    // an empty name means the form itself. They survive unloading. A name
    // the design table lacks, or an event its kind never raises (Timer but
    // for a timer, anything for a line, Load but for the form), is a
    // programming error (throws std::logic_error).
    void on(const std::string& controlName, EventType type, Handler handler);
    void onLoad(Handler handler) { on({}, EventType::Load, std::move(handler)); }
    // Runs the handler for (control, type), if any. Events for a form that is
    // not loaded are dropped; hit-testing has already skipped hidden controls.
    void dispatch(Control* control, Event event);

    // The topmost visible control under (x, y) in form twips. Frames clip
    // their children and catch what no child catches; lines and timers catch
    // nothing; the form catches the rest.
    Hit hitTest(float x, float y) const;
    // Controls in paint order: within each container the lightweight
    // controls first, then the windowed ones, each in z-order.
    std::vector<Control*> paintOrder() const;

    // Dirty rectangles in form twips since the last take.
    void invalidate(const Rect& r);
    void invalidateAll();
    std::vector<Rect> takeDirty();
    bool hasDirty() const { return !dirty_.empty(); }

private:
    void build();
    Control& addControl(const ControlDesign& row, int index, Control* parent);
    Control* hitIn(const std::vector<Control*>& siblings, float x, float y, Hit& hit) const;
    void appendPaintOrder(const std::vector<Control*>& siblings, std::vector<Control*>& out) const;

    Runtime& runtime_;
    const FormDesign& design_;
    std::string name_;
    bool loaded_ = false;
    std::uint64_t loads_ = 0;
    bool visible_ = false;
    std::string caption_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Picture picture_;
    Rect pictureArea_;
    Color backColor_ = 0;
    int windowState_ = 0;
    std::string popUpMenu_;

    std::vector<std::unique_ptr<Control>> controls_; // creation order = z-order
    std::vector<Control*> topLevel_;                 // children of the form itself
    // Hashed: the ring looks up a few hundred controls by name every tick.
    struct NameHash {
        std::size_t operator()(const std::pair<std::string, int>& key) const {
            constexpr auto spread = static_cast<std::size_t>(0x9E3779B97F4A7C15ull);
            return std::hash<std::string>{}(key.first) ^
                   static_cast<std::size_t>(key.second) * spread;
        }
    };
    std::unordered_map<std::pair<std::string, int>, Control*, NameHash> byName_;
    std::map<std::pair<std::string, EventType>, Handler> handlers_;
    std::vector<Rect> dirty_;
};

} // namespace orvela::forms
