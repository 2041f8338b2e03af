// Artwork comes in renders of one drawing at 1x (the design's size), 2x and
// 3x ("but1@2x.jpg", "but1@3x.jpg" beside "but1.jpg"). Which one a picture
// is drawn from depends only on the size it is shown at, so a high-density
// display and a large screen both get a sharp render.
//
// Some drawings also go on past their canvas: the program shows those parts
// in the margins beside or above the design's area, as pieces of their own
// (forms::marginPieces).
#pragma once

#include <array>
#include <string>

namespace orvela::forms {

// A render is never shown magnified more than this (either side) while a
// larger render exists.
inline constexpr double renderMagnificationLimit = 1.25;
inline constexpr int largestRender = 3;

// The name of an artwork file's render at multiple 2 or 3: "@2x" before the
// extension ("but1.jpg" -> "but1@2x.jpg", "PixDummy" -> "PixDummy@3x"); the
// name itself for 1; the empty text for the empty name, a name that is
// already a render, and any other multiple.
std::string renderName(const std::string& name, int multiple);

// The render (1 to 3) for a picture of width x height pixels at 1x shown at
// shownWidth x shownHeight pixels: the smallest that is not magnified more
// than the limit, else the largest. A picture without size takes 1.
int wantedRender(int width, int height, int shownWidth, int shownHeight);

enum class MarginSide { Left, Right, Top, Bottom };

// The drawing beyond one side of its canvas, or a part of it: the left and
// right sides come in a near piece, as wide as a 16:9 screen's margins, and
// a far one beyond it (out to a 3440 x 1440 screen's), so that the commonest
// wide screens decode only the near pieces.
struct MarginPiece {
    MarginSide side;
    std::string artwork; // "FonLeft.jpg"; its 1x size is its extent in the drawing's pixels
    int from = 0;        // how far past the canvas it starts, in the drawing's pixels
};

// The width of the near side pieces, in the drawing's pixels: a 16:9
// screen's margin is 170.7.
inline constexpr int nearSideWidth = 176;

struct MarginDrawing {
    int canvasWidth = 0, canvasHeight = 0; // the drawing's pixels its design picture covers
    std::array<MarginPiece, 6> pieces;     // near before far
};

// The margin pieces of the drawing an artwork file is rendered from
// ("Fon1024.jpg" and "Fon800.jpg" -> "FonLeft.jpg", "FonFarLeft.jpg", ...);
// nothing (zero canvas) for a picture whose drawing stops at its canvas.
// Case is ignored.
MarginDrawing marginPieces(const std::string& artwork);

} // namespace orvela::forms
