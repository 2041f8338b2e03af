// Designer table of the start-up window Form1: the hidden labels that hold the
// settings record, the desktop item list view with its filter and counters,
// the off-screen icon picture boxes, and the hidden holders of the button
// pictures of display variants 2 and 3.
#pragma once

#include "forms/design.h"

namespace orvela::desktopitems {

const forms::FormDesign& form1Design();

} // namespace orvela::desktopitems
