#include "forms/picture_renders.h"

namespace orvela::forms {

namespace {

constexpr const char* doubleSuffix = "@2x";

} // namespace

std::string doubleRenderName(const std::string& name) {
    if (name.empty())
        return {};
    const std::size_t slash = name.find_last_of("/\\");
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot == (slash == std::string::npos ? 0 : slash + 1))
        dot = name.size(); // no extension (a leading dot starts the name)
    const std::string stem = name.substr(0, dot);
    if (stem.size() >= 3 && stem.compare(stem.size() - 3, 3, doubleSuffix) == 0)
        return {};
    return stem + doubleSuffix + name.substr(dot);
}

bool wantsDoubleRender(int width, int height, int shownWidth, int shownHeight) {
    if (width <= 0 || height <= 0)
        return false;
    return shownWidth > doubleRenderThreshold * width ||
           shownHeight > doubleRenderThreshold * height;
}

} // namespace orvela::forms
