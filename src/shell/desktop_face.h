// What other parts (the Options dialog) may ask of the main window: the
// intents of its clock faces, calendar, star field, display variants and
// item layout, never its controls.
#pragma once

#include "forms/picture.h"
#include "shell/desktop_settings.h"

#include <string>

namespace orvela::shell {

class DesktopFace {
public:
    virtual ~DesktopFace() = default;

    // Shows the overlay of a variant at once (nothing else of it).
    virtual void showVariant(Variant v) = 0;
    virtual bool clockShown() = 0;
    virtual void showClock(bool shown) = 0;
    virtual bool calendarShown() = 0;
    virtual void showCalendar(bool shown) = 0;
    // The lines of the six stars, and the black panels they are drawn on.
    virtual void setStarLines(bool visible) = 0;
    virtual void showStarPanels(bool shown) = 0;
    // The variant-3 background: a picture file already known to load.
    virtual void setBackground(const std::string& path) = 0;
    // The variant-3 background as it shows now, and showing it again.
    virtual forms::Picture background() = 0;
    virtual void showBackground(const forms::Picture& picture) = 0;
    // Writes the weekday and date lines again (after a language change).
    virtual void refreshDate() = 0;
    // The width in twips of the strip's first icon, 0 when it has none.
    virtual float stripIconWidth() = 0;
};

} // namespace orvela::shell
