// The captions of the Options dialog form3 in the interface language. The
// first one written loads the dialog, hidden, which runs its opening steps.
#pragma once

#include "forms/form.h"

namespace orvela::options {

void setOptionsCaptions(forms::Form& form3);

} // namespace orvela::options
