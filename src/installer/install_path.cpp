#include "installer/install_path.h"

#include <cctype>
#include <cstring>

namespace orvela::installer {

namespace {

bool hasDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':';
}

// The number of UTF-8 characters in text (bytes that do not continue one).
std::size_t characterCount(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

// text without its last n characters.
std::string dropLastCharacters(const std::string& text, std::size_t n) {
    std::size_t end = text.size();
    while (n > 0 && end > 0) {
        --end;
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80)
            --n;
    }
    return text.substr(0, end);
}

std::string folderKey(const std::string& path) {
    std::string key;
    for (char c : path)
        key += c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

} // namespace

std::string installPathIn(const std::string& chosenFolder) {
    return chosenFolder + programFolderName;
}

std::optional<std::string> forceProgramFolder(const std::string& typed) {
    const std::size_t cut = std::strlen(programFolderName);
    if (!hasDriveLetter(typed) || characterCount(typed) < cut)
        return std::nullopt;
    std::string forced = dropLastCharacters(typed, cut) + programFolderName;
    if (!hasDriveLetter(forced))
        return std::nullopt;
    return forced;
}

bool sameFolder(const std::string& a, const std::string& b) {
    return folderKey(a) == folderKey(b);
}

} // namespace orvela::installer
