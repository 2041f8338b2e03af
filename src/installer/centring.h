// Where a window goes to stand in the middle of the screen.
#pragma once

namespace orvela::installer {

// The offset (twips) that centres a window of the given size on a screen of
// the given size: the difference rounded to a whole twip (halves to even),
// halved, the fraction dropped (towards zero, so a window larger than the
// screen sticks out on both sides alike).
float centredOffset(float screenSize, float windowSize);

} // namespace orvela::installer
