// What Label5 says when "Next" cannot install: a refused path, a file
// missing from the shipping folder, an install folder Windows refuses the
// user, or a copy that failed otherwise.
#pragma once

#include "installer/install_path.h"

#include <string>

namespace orvela::installer {

// Why the typed path is refused, naming it (and what the rule made of it).
std::string refusedPathText(const std::string& typed, const InstallPathCheck& check);

// A shipped file is not in the shipping folder: the package is incomplete.
std::string missingFileText(const std::string& file, const std::string& shippingFolder);

// The install folder cannot be created or written without administrator rights.
std::string needsRightsText(const std::string& installFolder);

// The installing into the shipping folder itself.
std::string sameFolderText(const std::string& installFolder);

// Any other failure to copy the file.
std::string couldNotCopyText(const std::string& file, const std::string& installFolder);

} // namespace orvela::installer
