// What every fuzz target shares: the check of a promise the code makes, and
// the strict UTF-8 rule the targets measure texts against.
//
// A broken check prints the condition and aborts, so libFuzzer keeps the
// input as a crash and tools/fuzz.sh reports it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void(0) : ::orvela::fuzz::broken(#condition, __FILE__, __LINE__))

namespace orvela::fuzz {

[[noreturn]] inline void broken(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, condition);
    std::abort();
}

// The length of the well-formed UTF-8 sequence at text[i] (Unicode's table:
// no overlong form, no surrogate, nothing past U+10FFFF), or 0. An ASCII
// byte is a sequence of 1.
inline std::size_t utf8SequenceAt(std::string_view text, std::size_t i,
                                  char32_t* decoded = nullptr) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t n = 0;
    char32_t c = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead < 0x80) {
        n = 1;
        c = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + n > text.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char b = byte(i + k);
        if (k == 1 ? (b < low || b > high) : (b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (decoded)
        *decoded = c;
    return n;
}

inline bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8SequenceAt(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

// Text a terminal shows whole: well-formed UTF-8 without ASCII control
// characters (NUL, CR, LF, tab, DEL and the rest).
inline bool isPrintable(std::string_view text) {
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F)
            return false;
    }
    return isUtf8(text);
}

} // namespace orvela::fuzz
