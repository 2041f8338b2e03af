#include "common/path_text.h"

namespace orvela::common {

std::string trimNull(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

std::string qualifyPath(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path : path + '\\';
}

} // namespace orvela::common
