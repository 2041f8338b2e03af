#include "desktopitems/scan_text.h"

namespace orvela::desktopitems {

namespace {

// The lower-case letter of a code point in the scripts the shell's type
// names and file names use most; others stay.
char32_t lowerOf(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) // Greek capitals
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42F) // Cyrillic А..Я
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) // Ѐ..Џ
        return c + 0x50;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string displayNameOf(const std::string& fileName) {
    return fileName.substr(0, fileName.find('.'));
}

std::string extensionOf(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : lowerCase(fileName.substr(dot + 1));
}

std::string formatFileSize(std::uint64_t bytes) {
    // bytes / 1000 + 0.5, its half rounded away from zero as the "#,###,###"
    // format does, is the whole kilobytes + 1 for every size: in integers,
    // exact past 2^53 bytes too, where a double loses the last digits.
    const std::uint64_t kb = bytes / 1000 + 1;
    std::string digits = std::to_string(kb);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out + "kb";
}

std::string lowerCase(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += static_cast<char>(lowerOf(b));
            ++i;
            continue;
        }
        // Two- and three-byte sequences are decoded; anything else is copied,
        // an overlong form too ("\xC1\x81" is no "A"), so that only letters
        // change and the text keeps its length.
        if ((b & 0xE0) == 0xC0 && i + 1 < text.size() && (text[i + 1] & 0xC0) == 0x80) {
            char32_t c = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            if (c >= 0x80) {
                appendUtf8(out, lowerOf(c));
                i += 2;
                continue;
            }
        }
        if ((b & 0xF0) == 0xE0 && i + 2 < text.size() && (text[i + 1] & 0xC0) == 0x80 &&
            (text[i + 2] & 0xC0) == 0x80) {
            char32_t c = ((b & 0x0Fu) << 12) |
                         ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                         (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            if (c >= 0x800) {
                appendUtf8(out, lowerOf(c));
                i += 3;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

} // namespace orvela::desktopitems
