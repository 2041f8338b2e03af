#include "forms/picture_renders.h"

#include <cctype>

namespace orvela::forms {

namespace {

bool isRenderStem(const std::string& stem) {
    return stem.size() >= 3 && stem[stem.size() - 3] == '@' &&
           (stem[stem.size() - 2] == '2' || stem[stem.size() - 2] == '3') && stem.back() == 'x';
}

std::string lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The drawings that run past their canvas, and the renders of them that
// cover the canvas.
struct DrawingRow {
    const char* drawing;
    const char* renders[4];
};
constexpr DrawingRow drawings[] = {
    {"Fon", {"fon800.jpg", "fon1024.jpg", "fon1152.jpg", "fon1600.jpg"}},
    {"Image1", {"image1.jpg"}},
    {"Image20", {"image20.gif"}},
};

} // namespace

std::string renderName(const std::string& name, int multiple) {
    if (name.empty() || multiple < 1 || multiple > largestRender)
        return {};
    const std::size_t slash = name.find_last_of("/\\");
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot == (slash == std::string::npos ? 0 : slash + 1))
        dot = name.size(); // no extension (a leading dot starts the name)
    const std::string stem = name.substr(0, dot);
    if (isRenderStem(stem))
        return {};
    if (multiple == 1)
        return name;
    return stem + '@' + static_cast<char>('0' + multiple) + 'x' + name.substr(dot);
}

int wantedRender(int width, int height, int shownWidth, int shownHeight) {
    if (width <= 0 || height <= 0)
        return 1;
    for (int m = 1; m < largestRender; ++m)
        if (shownWidth <= renderMagnificationLimit * m * width &&
            shownHeight <= renderMagnificationLimit * m * height)
            return m;
    return largestRender;
}

MarginDrawing marginPieces(const std::string& artwork) {
    const std::string key = lower(artwork);
    for (const DrawingRow& row : drawings)
        for (const char* render : row.renders)
            if (render && key == render) {
                const std::string d = row.drawing;
                return {1024,
                        768,
                        {{{MarginSide::Left, d + "Left.jpg"},
                          {MarginSide::Left, d + "FarLeft.jpg", nearSideWidth},
                          {MarginSide::Right, d + "Right.jpg"},
                          {MarginSide::Right, d + "FarRight.jpg", nearSideWidth},
                          {MarginSide::Top, d + "Top.jpg"},
                          {MarginSide::Bottom, d + "Bottom.jpg"}}}};
            }
    return {};
}

} // namespace orvela::forms
