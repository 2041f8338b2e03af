#include "win32/shell_texts.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace orvela::win32 {

namespace {

std::vector<std::wstring_view> splitAt(std::wstring_view text, wchar_t separator) {
    std::vector<std::wstring_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::wstring_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The text in capitals (ASCII only; any other byte stays as it is).
std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

struct NamedKey {
    std::string_view name;
    BYTE key;
};

constexpr NamedKey modifiers[] = {
    {"CTRL", HOTKEYF_CONTROL},
    {"SHIFT", HOTKEYF_SHIFT},
    {"ALT", HOTKEYF_ALT},
    {"EXT", HOTKEYF_EXT},
};

constexpr NamedKey namedKeys[] = {
    {"HOME", VK_HOME},    {"END", VK_END},       {"INSERT", VK_INSERT}, {"DELETE", VK_DELETE},
    {"PAGEUP", VK_PRIOR}, {"PAGEDOWN", VK_NEXT}, {"UP", VK_UP},         {"DOWN", VK_DOWN},
    {"LEFT", VK_LEFT},    {"RIGHT", VK_RIGHT},   {"SPACE", VK_SPACE},   {"TAB", VK_TAB},
    {"ENTER", VK_RETURN}, {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"BACKSPACE", VK_BACK},
};

// The virtual key of one key name in capitals; 0 if it names none.
BYTE virtualKey(const std::string& name) {
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return static_cast<BYTE>(name[0]); // letters and digits are their own codes
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F' && name[1] >= '1' &&
        name[1] <= '9') {
        int number = name[1] - '0';
        if (name.size() == 3) {
            if (name[2] < '0' || name[2] > '9')
                return 0;
            number = number * 10 + (name[2] - '0');
        }
        return number <= 24 ? static_cast<BYTE>(VK_F1 + number - 1) : 0;
    }
    for (const NamedKey& named : namedKeys)
        if (named.name == name)
            return named.key;
    return 0;
}

} // namespace

std::wstring openFileFilter(std::wstring_view classic) {
    const std::vector<std::wstring_view> parts = splitAt(classic, L'|');
    std::wstring filter;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::wstring_view name = parts[i], pattern = parts[i + 1];
        if (pattern.empty())
            continue;
        filter.append(name.empty() ? pattern : name);
        filter.push_back(L'\0');
        filter.append(pattern);
        filter.push_back(L'\0');
    }
    if (!filter.empty())
        filter.push_back(L'\0');
    return filter;
}

std::wstring withBackslashes(std::wstring path) {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::uint16_t parseHotKey(std::string_view text) {
    BYTE modifierFlags = 0;
    BYTE key = 0;
    for (std::string_view rest = text;;) {
        const std::size_t plus = rest.find('+');
        const std::string part = upper(trimBlanks(rest.substr(0, plus)));
        if (part.empty() || key != 0)
            return 0; // an empty part, or something after the key
        const auto modifier = std::find_if(std::begin(modifiers), std::end(modifiers),
                                           [&](const NamedKey& m) { return m.name == part; });
        if (modifier != std::end(modifiers)) {
            modifierFlags |= modifier->key;
        } else {
            key = virtualKey(part);
            if (key == 0)
                return 0;
        }
        if (plus == std::string_view::npos)
            break;
        rest.remove_prefix(plus + 1);
    }
    return key == 0 ? 0 : MAKEWORD(key, modifierFlags);
}

IconLocation splitIconLocation(std::wstring_view location) {
    const std::size_t comma = location.rfind(L',');
    if (comma == std::wstring_view::npos)
        return {std::wstring(location), 0};
    std::wstring_view number = location.substr(comma + 1);
    while (!number.empty() && (number.front() == L' ' || number.front() == L'\t'))
        number.remove_prefix(1);
    bool negative = false;
    if (!number.empty() && (number.front() == L'-' || number.front() == L'+')) {
        negative = number.front() == L'-';
        number.remove_prefix(1);
    }
    long long index = 0;
    for (wchar_t c : number) {
        if (c < L'0' || c > L'9')
            break;
        index = std::min<long long>(index * 10 + (c - L'0'), INT_MAX);
    }
    return {std::wstring(location.substr(0, comma)), static_cast<int>(negative ? -index : index)};
}

int showCommandOfWindowStyle(int windowStyle) {
    switch (windowStyle) {
    case 3:
        return SW_SHOWMAXIMIZED;
    case 7:
        return SW_SHOWMINNOACTIVE;
    default:
        return SW_SHOWNORMAL;
    }
}

} // namespace orvela::win32
