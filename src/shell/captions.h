// The captions of the interface language: the texts of the main window's
// buttons and pop-up menu and of the Options dialog, written once at start-up.
// The language setting chooses only the weekday names (ClockFaces::datash);
// every caption here is English whatever it says.
#pragma once

#include "forms/form.h"

namespace orvela::shell {

// Writes the captions in order: the variant-1 buttons and menu entries of
// form2, the variant-2 labels (copies of the variant-1 ones where they share
// an action), then the Options dialog's; writing to form3 loads it (hidden)
// unless it is loaded.
void setCaptions(forms::Form& form2, forms::Form& form3);

} // namespace orvela::shell
