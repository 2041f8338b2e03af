// The texts Windows' file-open dialog and shortcut files take, in their own
// forms: the dialog's filter list, the shortcut's hot key, icon location and
// show command. Pure functions; no Windows call is made.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvela::win32 {

// The classic filter text "Name|pattern|Name|pattern" as OPENFILENAME's
// lpstrFilter: each name and pattern followed by a NUL, the list by another
// NUL. A lone name at the end, and a pair with an empty pattern, are left out
// (an empty string would end Windows' list early); a pair with an empty name
// shows its pattern as its name. The empty text when no pair is left.
std::wstring openFileFilter(std::wstring_view classic);

// The path with every forward slash turned into a backslash.
std::wstring withBackslashes(std::wstring path);

// The scripting shell's hot-key text ("CTRL+SHIFT+C", "Alt+F5") as
// IShellLink's hot key: the virtual key in the low byte, the HOTKEYF_
// modifiers in the high byte. Parts are separated by "+" and may have blanks
// around them; any number of the modifiers CTRL, SHIFT, ALT and EXT (any case)
// come first, then one key: a letter, a digit, F1 to F24, or HOME, END,
// INSERT, DELETE, PAGEUP, PAGEDOWN, UP, DOWN, LEFT, RIGHT, SPACE, TAB, ENTER,
// RETURN, ESCAPE, BACKSPACE. 0 (no hot key) for the empty text and for any
// text that does not parse.
std::uint16_t parseHotKey(std::string_view text);

// An icon location "path,index" split at its last comma; without a comma the
// whole text is the path and the index 0. The index is the leading integer
// of what follows the comma (blanks and a sign allowed), 0 if there is none.
struct IconLocation {
    std::wstring path;
    int index = 0;
};
IconLocation splitIconLocation(std::wstring_view location);

// The show command a shortcut stores for the scripting shell's WindowStyle:
// 3 maximised, 7 minimised without activation, anything else normal (1).
int showCommandOfWindowStyle(int windowStyle);

} // namespace orvela::win32
