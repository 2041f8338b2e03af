// The captions of the interface language: the texts of the main window's
// buttons and pop-up menu, written once at start-up (the Options dialog
// writes its own, options_captions.h).
// The language setting chooses only the weekday names (ClockFaces::datash);
// every caption here is English whatever it says.
#pragma once

#include "forms/form.h"

namespace orvela::shell {

// Writes the captions in order: the variant-1 buttons and menu entries of
// form2, then the variant-2 labels (copies of the variant-1 ones where they
// share an action).
void setCaptions(forms::Form& form2);

} // namespace orvela::shell
