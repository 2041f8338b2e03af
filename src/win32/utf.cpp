#include "win32/utf.h"

#include <windows.h>

#include <climits>

namespace orvela::win32 {

namespace {

bool isHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Older Windows encodes an unpaired surrogate as an invalid three-byte
// sequence; replace them first so every Windows gives the same UTF-8.
std::wstring withPairedSurrogates(std::wstring_view wide) {
    std::wstring out(wide);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (isHighSurrogate(out[i]) && i + 1 < out.size() && isLowSurrogate(out[i + 1]))
            ++i;
        else if (isHighSurrogate(out[i]) || isLowSurrogate(out[i]))
            out[i] = 0xFFFD;
    }
    return out;
}

} // namespace

std::optional<std::wstring> toWide(std::string_view utf8) {
    if (utf8.empty())
        return std::wstring();
    if (utf8.size() > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    const int length = static_cast<int>(utf8.size());
    const int needed =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
    if (needed <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(),
                            needed) != needed)
        return std::nullopt;
    return wide;
}

std::string toUtf8(std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX / 3))
        return std::string();
    const std::wstring clean = withPairedSurrogates(wide);
    const int length = static_cast<int>(clean.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, clean.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string utf8(static_cast<std::size_t>(needed), '\0');
    if (WideCharToMultiByte(CP_UTF8, 0, clean.data(), length, utf8.data(), needed, nullptr,
                            nullptr) != needed)
        return std::string();
    return utf8;
}

} // namespace orvela::win32
