// The star field of variant 2: six stars on the black panels Frame3 and
// Frame4, each a horizontal and a vertical line that grow for half a second,
// shrink for half a second and restart at a random point. The shared phase
// counter lives in Starcoun (1..10).
#pragma once

#include "forms/form.h"
#include "forms/uniform_random.h"
#include "shell/clock_faces.h"
#include "shell/desktop_settings.h"

namespace orvela::shell {

// A star's size and drift at phase k (1..10): n runs 1,2,3,4,5,4,3,2,1,0 and
// the left end moves by drift (-5n while growing, +5n while shrinking).
struct StarPhase {
    int n = 0;
    float drift = 0;
};
StarPhase starPhase(int k);

class StarField {
public:
    StarField(forms::Form& form2, DesktopSettings& settings, forms::UniformRandom& random,
              ClockFaces& clocks)
        : form2_(form2), settings_(settings), random_(random), clocks_(clocks) {}

    // One tick of variant 2: its digital clock, then one step of the stars
    // (nothing more while the stars are off).
    void variant2Tick();

    // Shows or hides the lines of all six stars.
    void setStarLines(bool visible);
    // Shows or hides the black panels the stars are drawn on.
    void showStarPanels(bool shown);
    // The panels as the star setting says: shown for "1", hidden for "0",
    // left as they are for any other text.
    void showPanelsAsSet();

private:
    forms::Form& form2_;
    DesktopSettings& settings_;
    forms::UniformRandom& random_;
    ClockFaces& clocks_;
};

} // namespace orvela::shell
