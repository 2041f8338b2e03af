#include "shell/star_field.h"

#include "desktopitems/item_layout.h"
#include "shell/popup_menu.h"

#include "common/value_text.h"

#include <array>
#include <string>

namespace orvela::shell {

using common::textToInt;

namespace {

struct Star {
    const char* armA; // horizontal
    const char* armB; // vertical
    int phaseOffset;
};
constexpr std::array<Star, 6> stars = {Star{"Line8", "Line9", 0},   Star{"Line10", "Line11", 2},
                                       Star{"Line12", "Line13", 4}, Star{"Line14", "Line15", 6},
                                       Star{"Line16", "Line17", 8}, Star{"Line18", "Line19", 3}};

constexpr int phases = 10;
constexpr float armUnit = 36; // twips of the horizontal arm per size step

} // namespace

StarPhase starPhase(int k) {
    if (k > 5)
        return {phases - k, 5.0f * static_cast<float>(phases - k)};
    return {k, -5.0f * static_cast<float>(k)};
}

void StarField::setStarLines(bool visible) {
    forms::Form& f = form2_.touch();
    for (const Star& star : stars) {
        f.control(star.armA).setVisible(visible);
        f.control(star.armB).setVisible(visible);
    }
}

void StarField::showStarPanels(bool shown) {
    forms::Form& f = form2_.touch();
    for (const char* panel : desktopitems::ItemLayout::gridPanels)
        f.control(panel).setVisible(shown);
}

void StarField::showPanelsAsSet() {
    if (const auto on = settings_.values().starsOn.value())
        showStarPanels(*on);
}

void StarField::variant2Tick() {
    clocks_.timeshow2();
    if (!settings_.starsOn())
        return;
    forms::Form& f = form2_.touch();
    // Both draws happen on every tick, whether a star restarts or not.
    const forms::Rect menu = popupMenuSize(f);
    const double x = random_.next() * menu.width / 2.35;
    const double y = random_.next() * menu.height / 2.35;

    forms::Control& counter = f.control("Starcoun");
    int c = textToInt(counter.caption()) + 1;
    if (c > phases || c < 1)
        c = 1;
    counter.setCaption(std::to_string(c));

    for (const Star& star : stars) {
        forms::Control& a = f.control(star.armA);
        forms::Control& b = f.control(star.armB);
        int k = c + star.phaseOffset;
        if (k > phases)
            k -= phases;
        float x1 = a.x1(), y1 = a.y1();
        if (k == 1) {
            y1 = static_cast<float>(5 * y);
            x1 = static_cast<float>(5 * x);
        }
        const StarPhase p = starPhase(k);
        const float arm = armUnit * static_cast<float>(p.n);
        x1 += p.drift;
        // The arms move whole: each is repainted where it was and where it
        // goes, not across the boxes its single ends would sweep.
        a.setEnds(x1, y1, x1 + arm, y1);
        const float across = (x1 + arm + x1) / 2;
        b.setEnds(across, y1 + arm, across, y1 - arm);
    }
}

} // namespace orvela::shell
