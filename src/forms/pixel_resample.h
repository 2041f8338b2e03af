// Resizes a picture's pixels with a triangle filter: bilinear when it grows,
// averaging over each target pixel's share of the source when it shrinks,
// so that a large render shown somewhat smaller keeps its fine lines and
// stars instead of dropping every n-th row. Much faster than the system's
// halftone stretch, and the same on every system.
#pragma once

#include <cstdint>
#include <functional>

namespace orvela::forms {

// from and to hold width x height pixels of 4 bytes each, rows top to
// bottom without padding; each of the 4 channels is filtered alike. Does
// nothing for an empty size on either side.
void resamplePixels(const std::uint8_t* from, int fromWidth, int fromHeight, std::uint8_t* to,
                    int toWidth, int toHeight);

// The same, with the source rows from rowAt as they are needed: each row at
// most once, in increasing order (rows no target pixel reads are skipped),
// its pixels valid until the next call. A decoder can so hand over its rows
// without the whole picture ever being held at its own size. False, and
// the target partly written, when rowAt gives null.
using RowSource = std::function<const std::uint8_t*(int y)>;
bool resampleRows(const RowSource& rowAt, int fromWidth, int fromHeight, std::uint8_t* to,
                  int toWidth, int toHeight);

} // namespace orvela::forms
