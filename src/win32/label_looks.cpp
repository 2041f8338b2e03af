#include "win32/label_looks.h"

namespace orvela::win32 {

void LabelLooks::forget(const forms::Form& form) {
    std::erase_if(entries_, [&](const auto& entry) { return entry.second.form == &form; });
}

} // namespace orvela::win32
