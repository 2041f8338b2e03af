// The three display variants of the main window and the 100 ms tick that
// animates the active one: variant 1 the analogue clock with the item ring,
// variant 2 the overlay V1Frame with the star field, variant 3 the overlay
// V3Frame with the scrolling item strip Frame5. Coordinates are twips of the
// main window; design lengths are for a 768-pixel-high screen, scaled by
// k = h / 768 for a screen h pixels high.
#pragma once

#include "desktopitems/item_layout.h"
#include "forms/form.h"
#include "platform/display_services.h"
#include "shell/clock_faces.h"
#include "shell/composition.h"
#include "shell/desktop_settings.h"
#include "shell/month_calendar.h"
#include "shell/star_field.h"

namespace orvela::shell {

// Centre of the analogue clock on a W x H window at scale k.
TwipsPoint clockCentre(double width, double height, double k);
// Nearest integer, halves to the even neighbour.
double roundHalfEven(double v);
// Top-left of ring icon i of n (2 × iconHalf twips square, 480 at 96 dpi,
// centred on the ring of radius 4500 × k) at angle accumulator a.
TwipsPoint ringIconPosition(int i, int n, double a, TwipsPoint centre, double k,
                            double iconHalf = 240);
// The strip's next left edge: it creeps left by step until its right edge
// has reached the screen's, then starts again at -2 × step.
float nextStripLeft(float left, float width, float screenWidth, float step);

class DisplayVariants {
public:
    // The overlays and backgrounds of variants 2 and 3, which other parts
    // bind their mouse handlers to.
    static constexpr const char* variantTwoOverlay = "V1Frame";
    static constexpr const char* variantTwoBackground = "Image1";
    static constexpr const char* variantThreeOverlay = "V3Frame";
    static constexpr const char* variantThreeBackground = "Image20";

    DisplayVariants(forms::Form& form2, DesktopSettings& settings,
                    platform::DisplayServices& display, ClockFaces& clocks, MonthCalendar& calendar,
                    StarField& stars, desktopitems::ItemLayout& items)
        : form2_(form2), settings_(settings), display_(display), clocks_(clocks),
          calendar_(calendar), stars_(stars), items_(items) {}

    // The screen height in pixels the display reports, shown in screeny;
    // the layout and the tick follow the composition it gives.
    void setScreenHeight(unsigned pixels);
    // Fills the calendar and the date lines for the clock's date now.
    void refreshDate();
    const Composition& composition() const { return composition_; }

    // Lays the window out for the screen and shows the overlay of the variant.
    void applyDisplayVariant();
    // Lays the window out again for a screen now reported `pixels` high (the
    // runtime already has its new size), from the design as a start-up
    // would: every placed control, the drives panel of `drives` slots, the
    // items; in variant 1 the hands and the ring at its present angle. The
    // variant, the ring's angle and the strip's position stay; the strip's
    // left edge is kept where its right edge still reaches the screen's.
    void relayout(unsigned pixels, int drives);
    void showVariantOne();
    void showVariantTwo();
    void showVariantThree();
    // Shows the overlay of variant v alone: none for 1, V1Frame for 2,
    // V3Frame for 3.
    void showVariant(Variant v);
    // The variant-3 background picture.
    void setBackground(const forms::Picture& picture);
    forms::Picture background();

    // The handler of Timer1: one step of the active variant.
    void timerTick();
    // Variant 1: hands, digital clock, ring; calendar and date at 00:00:02.
    void stepVariantOne();
    // Variant 3: digital clock and one step of the strip.
    void stepVariantThree();

private:
    forms::Form& form() { return form2_.touch(); }
    double scale();
    void setOverlays(bool v1Frame, bool v3Frame);
    void turnRing(double a, TwipsPoint centre, double k);
    void placeClockAndRing();

    forms::Form& form2_;
    DesktopSettings& settings_;
    platform::DisplayServices& display_;
    ClockFaces& clocks_;
    MonthCalendar& calendar_;
    StarField& stars_;
    desktopitems::ItemLayout& items_;
    Composition composition_;
    int placedItems_ = 0; // the item count the ring was last placed for
};

} // namespace orvela::shell
