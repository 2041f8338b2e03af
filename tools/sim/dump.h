// The property listing of forms and controls as orvela-sim prints it.
#pragma once

#include "forms/form.h"

#include <string>
#include <utility>
#include <vector>

namespace orvela::sim {

using PropertyList = std::vector<std::pair<std::string, std::string>>;

// Every property of the form itself ("Visible" = "True"), values formatted.
PropertyList formProperties(const forms::Form& form);
// Every property of a control that its kind has, values formatted.
PropertyList controlProperties(const forms::Control& control);

} // namespace orvela::sim
