#include "forms/control_kinds.h"

#include <array>
#include <cstddef>

namespace orvela::forms {

namespace {

constexpr unsigned box = dumpBox, font = dumpFont;

// Indexed by ControlKind, in its order.
constexpr std::array<KindRules, 13> table{{
    {.name = "Label",
     .catchesMouse = true,
     .dumped = box | dumpCaption | font | dumpBackColor | dumpLabelStyle},
    {.name = "Image", .catchesMouse = true, .dumped = box | dumpPicture | dumpStretch},
    {.name = "Frame",
     .windowed = true,
     .catchesMouse = true,
     .container = true,
     .dumped = box | dumpCaption | font | dumpBackColor},
    {.name = "Line", .dumped = dumpLine},
    {.name = "Timer", .dumped = dumpTimer},
    {.name = "CommandButton",
     .windowed = true,
     .catchesMouse = true,
     .native = true,
     .dumped = box | dumpCaption | font},
    {.name = "ComboBox",
     .windowed = true,
     .catchesMouse = true,
     .native = true,
     .dumped = box | font | dumpList | dumpText},
    {.name = "TextBox",
     .windowed = true,
     .catchesMouse = true,
     .native = true,
     .dumped = box | font | dumpBackColor | dumpText},
    {.name = "TabStrip",
     .windowed = true,
     .catchesMouse = true,
     .native = true,
     .dumped = box | font | dumpList | dumpSelectedTab},
    {.name = "ListView",
     .windowed = true,
     .catchesMouse = true,
     .dumped = box | font | dumpList | dumpRows},
    {.name = "PictureBox",
     .windowed = true,
     .catchesMouse = true,
     .dumped = box | dumpBackColor | dumpPicture},
    {.name = "ImageList", .dumped = dumpKeys},
    {.name = "Menu", .dumped = dumpMenuEntry},
}};

static_assert(table.size() == static_cast<std::size_t>(ControlKind::Menu) + 1,
              "one row per control kind");

} // namespace

const KindRules& rulesOf(ControlKind kind) {
    static constexpr KindRules unknown{};
    const auto i = static_cast<std::size_t>(kind);
    return i < table.size() ? table[i] : unknown;
}

} // namespace orvela::forms
