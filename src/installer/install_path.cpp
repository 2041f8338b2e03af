#include "installer/install_path.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace orvela::installer {

namespace {

// Characters no Windows file or folder name may hold (the colon is allowed
// only after the drive letter).
constexpr const char* forbiddenInNames = "<>:\"|?*";

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

// Why a path after the cut and append is no drive letter, colon,
// separator and folder; none when it is one.
PathRefusal refusalOf(const std::string& forced) {
    if (!hasDriveLetter(forced))
        return PathRefusal::lostDrive;
    const unsigned char letter = static_cast<unsigned char>(forced[0]);
    if (letter > 0x7F || !std::isalpha(letter))
        return PathRefusal::notADrive;
    if (forced[2] != '\\' && forced[2] != '/')
        return PathRefusal::driveRelative;
    if (forced.find_first_of(forbiddenInNames, 3) != std::string::npos ||
        std::any_of(forced.begin(), forced.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return PathRefusal::badName;
    return PathRefusal::none;
}

} // namespace

std::string installPathIn(const std::string& chosenFolder) {
    return chosenFolder + programFolderName;
}

InstallPathCheck checkInstallPath(const std::string& typed) {
    const std::size_t cut = std::strlen(programFolderName);
    if (typed.empty())
        return {{}, PathRefusal::empty};
    if (!hasDriveLetter(typed))
        return {{}, PathRefusal::noDrive};
    if (characterCount(typed) < cut)
        return {{}, PathRefusal::tooShort};
    std::string forced = dropLastCharacters(typed, cut) + programFolderName;
    return {forced, refusalOf(forced)};
}

std::optional<std::string> forceProgramFolder(const std::string& typed) {
    InstallPathCheck check = checkInstallPath(typed);
    if (check.refusal != PathRefusal::none)
        return std::nullopt;
    return std::move(check.forced);
}

bool isDriveRoot(const std::string& folder) {
    const std::string key = folderKey(folder);
    if (key.size() <= 2)
        return key.empty() || key.size() == 1 || key[1] == ':';
    if (key.rfind("\\\\", 0) != 0)
        return false;
    // "\\server\share": the share is the root; a folder below it is not.
    const std::size_t share = key.find('\\', 2);
    return share == std::string::npos || key.find('\\', share + 1) == std::string::npos;
}

bool sameFolder(const std::string& a, const std::string& b) {
    return folderKey(a) == folderKey(b);
}

} // namespace orvela::installer
