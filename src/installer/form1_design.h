// Designer table of the installer's one window Form1: the welcome texts and
// the terms of use over the background picture, the install path box with
// its buttons, the completion text with "Finish", and the hidden file-type
// list and label that serve the folder picker.
#pragma once

#include "forms/design.h"

namespace orvela::installer {

const forms::FormDesign& form1Design();

} // namespace orvela::installer
