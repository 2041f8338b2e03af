// The desktop scan's texts of a file: its display name, extension, lower
// case and size text, for any name the file system gives (invalid UTF-8
// too) and any size.
//
// The input is the name; its first eight bytes are also the size. Lower
// case changes only letters: it keeps the byte length, lowers A to Z, turns
// every well-formed sequence into a well-formed sequence of the same length
// and copies every other byte as it is; a second pass changes nothing. The
// size text is the decimal kilobytes rounded as "#,###,###" does with half
// a kilobyte added (bytes / 1000 + 1, exactly), grouped by threes, then "kb".

#include "desktopitems/scan_text.h"
#include "fuzz_support.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

using namespace orvela;
using desktopitems::lowerCase;

void checkLowerCase(const std::string& text) {
    const std::string lower = lowerCase(text);
    FUZZ_CHECK(lower.size() == text.size());
    FUZZ_CHECK(lowerCase(lower) == lower);
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t n = fuzz::utf8SequenceAt(text, i, &c);
        if (n == 0) {
            FUZZ_CHECK(lower[i] == text[i]); // not a character: copied
            ++i;
            continue;
        }
        if (n == 1) {
            const char want = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : text[i];
            FUZZ_CHECK(lower[i] == want);
        } else {
            char32_t l = 0;
            FUZZ_CHECK(fuzz::utf8SequenceAt(lower, i, &l) == n);
            // A letter becomes its small letter in the same script, never ASCII.
            FUZZ_CHECK(l == c || l == c + 0x20 || l == c + 0x50);
        }
        i += n;
    }
    if (fuzz::isUtf8(text))
        FUZZ_CHECK(fuzz::isUtf8(lower));
}

void checkNames(const std::string& name) {
    const std::string display = desktopitems::displayNameOf(name);
    FUZZ_CHECK(name.compare(0, display.size(), display) == 0);
    FUZZ_CHECK(display.find('.') == std::string::npos);
    FUZZ_CHECK(display.size() == name.size() || name[display.size()] == '.');

    const std::string ext = desktopitems::extensionOf(name);
    FUZZ_CHECK(ext.find('.') == std::string::npos);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        FUZZ_CHECK(ext.empty());
    else
        FUZZ_CHECK(ext == lowerCase(name.substr(dot + 1)));
}

void checkSize(std::uint64_t bytes) {
    const std::string text = desktopitems::formatFileSize(bytes);
    FUZZ_CHECK(text.size() > 2 && text.compare(text.size() - 2, 2, "kb") == 0);
    const std::string number = text.substr(0, text.size() - 2);
    FUZZ_CHECK(number[0] >= '1' && number[0] <= '9'); // no leading zero
    // Digits, a comma before each group of three from the right.
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const bool commaHere = i > 0 && (number.size() - i) % 4 == 0;
        if (commaHere) {
            FUZZ_CHECK(number[i] == ',');
            continue;
        }
        FUZZ_CHECK(number[i] >= '0' && number[i] <= '9');
        value = value * 10 + static_cast<std::uint64_t>(number[i] - '0');
    }
    FUZZ_CHECK(value == bytes / 1000 + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    checkLowerCase(name);
    checkNames(name);
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, data, std::min<std::size_t>(size, sizeof bytes));
    checkSize(bytes);
    checkSize(bytes >> 32); // the sizes of files below 4 GiB, in a sweep of their own
    return 0;
}
