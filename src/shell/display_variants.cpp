#include "shell/display_variants.h"

#include "common/value_text.h"
#include "forms/runtime.h"
#include "shell/drive_list.h"
#include "shell/layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvela::shell {

using common::numberToText;
using common::textToInt;
using common::textToNumber;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double designHeight = 768;
constexpr double ringRadius = 4500;
constexpr double accumulatorWrap = 36000;
constexpr double ringTurn = 4360;     // accumulator units per full turn
constexpr int ringElements = 102;     // Image3 and Label6 are 0..101
constexpr int activeCaptionColor = 3; // system colour index of the active title bar
// A step far beyond any screen keeps the strip's coordinates finite.
constexpr double maxStripStep = 1e6;

bool isMidnightRefreshSecond(const forms::DateTime& t) {
    return t.hour == 0 && t.minute == 0 && t.second == 2;
}

} // namespace

TwipsPoint clockCentre(double width, double height, double k) {
    return {width / 2 + 200 * k, height / 2 - 250 * k};
}

double roundHalfEven(double v) {
    return std::nearbyint(v); // the default rounding mode rounds halves to even
}

TwipsPoint ringIconPosition(int i, int n, double a, TwipsPoint centre, double k, double iconHalf) {
    const double step = 2 * pi / n;
    const double theta = i * step + 3 * pi / 2 - 2 * pi * a / ringTurn;
    return {roundHalfEven(ringRadius * k * std::cos(theta) + centre.x - iconHalf),
            roundHalfEven(ringRadius * k * std::sin(theta) + centre.y - iconHalf)};
}

float nextStripLeft(float left, float width, float screenWidth, float step) {
    if (screenWidth - width < left)
        return left - step;
    return -2 * step;
}

double DisplayVariants::scale() {
    return composition_.height / designHeight;
}

void DisplayVariants::setScreenHeight(unsigned pixels) {
    const forms::Runtime& rt = form().runtime();
    composition_ = compositionFor(pixels, rt.screenWidth(), rt.screenHeight());
    form().control("screeny").setCaption(std::to_string(pixels));
}

void DisplayVariants::applyDisplayVariant() {
    ScreenLayout(form(), composition_).layOut();
    switch (settings_.variant()) {
    case Variant::Two:
        showVariantTwo();
        break;
    case Variant::Three:
        showVariantThree();
        break;
    case Variant::One:
        showVariantOne();
        break;
    }
}

void DisplayVariants::relayout(unsigned pixels, int drives) {
    const float stripLeft = items_.stripLeft();
    setScreenHeight(pixels);
    ScreenLayout layout(form(), composition_);
    layout.restoreDesign();
    placeDrivesPanel(form(), drives);
    layout.layOut();
    items_.relayout();
    const float screenWidth = form().runtime().screenWidth();
    items_.setStripLeft(std::max(stripLeft, screenWidth - items_.stripWidth()));
    placeClockAndRing();
}

void DisplayVariants::placeClockAndRing() {
    // The next variant-1 step places the ring again, also a still one.
    placedItems_ = -1;
    const Variant v = settings_.variant();
    if (v == Variant::Two || v == Variant::Three)
        return;
    forms::Form& f = form();
    const double a = textToNumber(f.control("Label7").caption());
    const double k = scale();
    const TwipsPoint centre = clockCentre(f.width(), f.height(), k);
    clocks_.moveHands(f.runtime().clock().now(), centre, k,
                      display_.getSysColor(activeCaptionColor));
    turnRing(std::isfinite(a) ? a : 0, centre, k);
}

void DisplayVariants::setBackground(const forms::Picture& picture) {
    form().control("Image19").setPicture(picture);
}

forms::Picture DisplayVariants::background() {
    return form().control("Image19").picture();
}

void DisplayVariants::showVariant(Variant v) {
    form().control(variantThreeOverlay).setVisible(v == Variant::Three);
    form().control(variantTwoOverlay).setVisible(v == Variant::Two);
}

void DisplayVariants::setOverlays(bool v1Frame, bool v3Frame) {
    form().control(variantTwoOverlay).setVisible(v1Frame);
    form().control(variantThreeOverlay).setVisible(v3Frame);
}

void DisplayVariants::showVariantOne() {
    setOverlays(false, false);
}

void DisplayVariants::showVariantTwo() {
    setOverlays(true, false);
}

void DisplayVariants::showVariantThree() {
    settings_.keepStripStep();
    setOverlays(false, true);
}

void DisplayVariants::timerTick() {
    switch (settings_.variant()) {
    case Variant::Two:
        stars_.variant2Tick();
        break;
    case Variant::Three:
        stepVariantThree();
        break;
    case Variant::One:
        stepVariantOne();
        break;
    }
    // A new day (midnight, a night of sleep, the clock set by the user) in
    // any variant: the calendar and the date lines follow at this tick.
    if (!calendar_.filledForToday())
        refreshDate();
}

void DisplayVariants::refreshDate() {
    calendar_.fillCalendar();
    clocks_.datash();
}

void DisplayVariants::stepVariantOne() {
    forms::Form& f = form();
    forms::Control& accumulator = f.control("Label7");
    double a = textToNumber(accumulator.caption()) + settings_.iconSpeed() * 0.4;
    if (a > accumulatorWrap || !std::isfinite(a))
        a = 0;

    const forms::DateTime now = f.runtime().clock().now();
    clocks_.timeshow();
    const double k = scale();
    const TwipsPoint centre = clockCentre(f.width(), f.height(), k);
    clocks_.moveHands(now, centre, k, display_.getSysColor(activeCaptionColor));
    accumulator.setCaption(numberToText(a));

    // A still ring (speed 0) is still placed once for the items it holds,
    // so its icons do not wait piled up at the clock centre.
    const int items = items_.itemCount();
    if (settings_.iconSpeed() != 0 || items != placedItems_)
        turnRing(a, centre, k);

    if (isMidnightRefreshSecond(f.runtime().clock().now())) {
        calendar_.fillCalendar();
        if (isMidnightRefreshSecond(f.runtime().clock().now()))
            clocks_.datash();
    }
}

void DisplayVariants::turnRing(double a, TwipsPoint centre, double k) {
    // With no items there is no ring to turn (and no angle per item).
    placedItems_ = items_.itemCount();
    const int n = std::min(placedItems_, ringElements - 1);
    if (n <= 0)
        return;
    const double iconHalf = items_.metrics().icon / 2.0;
    for (int i = 0; i <= n; ++i) {
        const TwipsPoint at = ringIconPosition(i, n, a, centre, k, iconHalf);
        items_.placeRingItem(i, static_cast<float>(at.x), static_cast<float>(at.y));
    }
}

void DisplayVariants::stepVariantThree() {
    clocks_.timeshow3();
    const double step = std::clamp(settings_.stripStep(), -maxStripStep, maxStripStep);
    items_.setStripLeft(nextStripLeft(items_.stripLeft(), items_.stripWidth(),
                                      form().runtime().screenWidth(), static_cast<float>(step)));
}

} // namespace orvela::shell
