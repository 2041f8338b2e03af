// What each label's caption was last drawn with: its text in UTF-16 and the
// font that fits it in its box. A label drawn again as it was (a ring
// caption at every tick) so converts no text and looks up no fit; a change
// of its caption, box, font or scale works both out again.
#pragma once

#include "forms/control.h"
#include "forms/form.h"
#include "win32/utf.h"

#include <windows.h>

#include <string>
#include <unordered_map>

namespace orvela::win32 {

class LabelLooks {
public:
    struct Look {
        std::wstring text; // empty for a caption that is no UTF-8
        HFONT font = nullptr;
    };

    // The look of label in a box of width x height pixels; fit(text) gives
    // the font when it has to be worked out.
    template <class Fit>
    const Look& of(const forms::Control& label, int width, int height, Fit&& fit) {
        if (entries_.size() >= maxLooks && !entries_.count(&label))
            entries_.clear();
        Entry& e = entries_[&label];
        const forms::Form& form = label.form();
        const float twipsPerPixel = form.pixelScale().twipsPerPixel;
        // Kept by content, not by the control alone: a control made where
        // a gone one was finds nothing that is not its own.
        if (e.form != &form || e.caption != label.caption() || e.width != width ||
            e.height != height || e.twipsPerPixel != twipsPerPixel || !(e.font == label.font())) {
            e = {&form, label.caption(), label.font(), width, height, twipsPerPixel, {}};
            e.look.text = toWide(e.caption).value_or(std::wstring());
            e.look.font = e.look.text.empty() ? nullptr : fit(e.look.text);
        }
        return e.look;
    }
    // The form's controls are going: their looks go with them.
    void forget(const forms::Form& form);

private:
    struct Entry {
        const forms::Form* form = nullptr;
        std::string caption;
        forms::Font font;
        int width = -1, height = -1;
        float twipsPerPixel = 0;
        Look look;
    };
    // Past this many (forms loaded again and again), all are worked out anew.
    static constexpr std::size_t maxLooks = 4096;
    std::unordered_map<const forms::Control*, Entry> entries_;
};

} // namespace orvela::win32
