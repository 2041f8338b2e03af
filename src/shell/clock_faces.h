// The clock faces of the main window: the analogue hands of variant 1, the
// digital clocks of the three variants (hours, minutes, seconds labels) and
// the weekday and date lines.
#pragma once

#include "forms/clock.h"
#include "forms/form.h"
#include "platform/system_services.h"
#include "shell/desktop_settings.h"

#include <string>

namespace orvela::shell {

// Caption of a clock field: "00".."09", then the number as it is.
std::string twoDigits(int value);
// "Monday " .. "Sunday " (each with its trailing blank) in the language,
// or null for a weekday outside 1..7.
const char* weekdayName(int weekday, Language language);

// A point in form twips.
struct TwipsPoint {
    double x = 0, y = 0;
};

// Angles of the hands in radians, 3π/2 being twelve o'clock and angles
// growing clockwise (the y axis points down).
double secondHandAngle(const forms::DateTime& t);
double minuteHandAngle(const forms::DateTime& t);
double hourHandAngle(const forms::DateTime& t);
// The point at length × k from centre in direction theta.
TwipsPoint handEnd(TwipsPoint centre, double length, double k, double theta);

class ClockFaces {
public:
    ClockFaces(forms::Form& form2, DesktopSettings& settings, const forms::Clock& clock,
               platform::SystemServices& system)
        : form2_(form2), settings_(settings), clock_(clock), system_(system) {}

    // The digital clocks of variants 1, 2 and 3.
    void timeshow();
    void timeshow2();
    void timeshow3();
    // Weekday and short date on the date labels of all three variants.
    void datash();
    // The variant-1 clock group: Label202 (the date line) and the digits.
    void showClockGroup() { setClockGroupVisible(true); }
    void hideClockGroup() { setClockGroupVisible(false); }
    void showClock(bool shown) { setClockGroupVisible(shown); }
    // Whether the clock group shows now (its seconds label stands for it).
    bool clockShown();
    // The analogue clock of variant 1 at time t around centre, scaled by k:
    // Line1..Line3 the hands, Line4 the centre dot in dotColor.
    // The variant-2 clock (its digits, date and frame labels), which the
    // item information replaces while the pointer is on an item.
    void showVariantTwoClock(bool shown);
    void setHourHandColor(forms::Color color);
    void moveHands(const forms::DateTime& t, TwipsPoint centre, double k, forms::Color dotColor);

private:
    void showTime(const char* hours, const char* minutes, const char* seconds);
    void setClockGroupVisible(bool visible);

    forms::Form& form2_;
    DesktopSettings& settings_;
    const forms::Clock& clock_;
    platform::SystemServices& system_;
};

} // namespace orvela::shell
