// Designer table of the Options dialog form3: a tab strip over five page
// frames (general settings, one page per display variant, information) and
// the OK, Cancel and Apply buttons below them.
#pragma once

#include "forms/design.h"

namespace orvela::options {

const forms::FormDesign& form3Design();

} // namespace orvela::options
