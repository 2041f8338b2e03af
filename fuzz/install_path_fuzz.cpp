// The installer's rule for a typed install path, and the folder texts the
// installer and the uninstaller compare, for any text a user can type.
//
// The rule cuts as many characters as "Orvela\" has from the end and
// appends "Orvela\": an accepted path is a drive letter A to Z, a colon, a
// separator and a folder free of < > : " | ? * and control characters,
// ending in "Orvela\", of as many characters as typed, cut only between
// characters (valid UTF-8 stays valid); typing the accepted path again
// gives the same path; it is no drive root. A refusal says why in a text
// that names what was typed. Folder comparison ignores ASCII case, the kind
// of separator and trailing separators.

#include "fuzz_support.h"
#include "installer/install_messages.h"
#include "installer/install_path.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

namespace {

using namespace orvela;
using installer::PathRefusal;

std::size_t characters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The text with "\" and "/" swapped and ASCII letters in the other case.
std::string otherSpelling(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\')
            c = '/';
        else if (c == '/')
            c = '\\';
        else if (std::isupper(u))
            c = static_cast<char>(std::tolower(u));
        else if (std::islower(u))
            c = static_cast<char>(std::toupper(u));
    }
    return out;
}

void checkTyped(const std::string& typed) {
    const std::string folderName = installer::programFolderName;
    const installer::InstallPathCheck check = installer::checkInstallPath(typed);
    const std::optional<std::string> folder = installer::forceProgramFolder(typed);
    const std::string text = installer::refusedPathText(typed, check);
    FUZZ_CHECK(folder.has_value() == (check.refusal == PathRefusal::none));
    FUZZ_CHECK(text.empty() == (check.refusal == PathRefusal::none));
    FUZZ_CHECK((check.refusal == PathRefusal::empty) == typed.empty());

    if (!check.forced.empty()) {
        // The cut and append: the typed text's start, then the program folder.
        FUZZ_CHECK(endsWith(check.forced, folderName));
        const std::string kept = check.forced.substr(0, check.forced.size() - folderName.size());
        FUZZ_CHECK(typed.compare(0, kept.size(), kept) == 0);
        FUZZ_CHECK(characters(check.forced) == characters(typed));
        FUZZ_CHECK(kept.size() == typed.size() ||
                   (static_cast<unsigned char>(typed[kept.size()]) & 0xC0) != 0x80);
        if (fuzz::isUtf8(typed))
            FUZZ_CHECK(fuzz::isUtf8(check.forced));
    }

    switch (check.refusal) {
    case PathRefusal::none: {
        const std::string& path = *folder;
        FUZZ_CHECK(path == check.forced);
        const auto letter = static_cast<unsigned char>(path[0]);
        FUZZ_CHECK(letter < 0x80 && std::isalpha(letter) && path[1] == ':');
        FUZZ_CHECK(path[2] == '\\' || path[2] == '/');
        FUZZ_CHECK(path.find_first_of("<>:\"|?*", 3) == std::string::npos);
        FUZZ_CHECK(std::none_of(path.begin(), path.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
        FUZZ_CHECK(installer::forceProgramFolder(path) == path);
        FUZZ_CHECK(!installer::isDriveRoot(path));
        break;
    }
    case PathRefusal::empty:
        break;
    case PathRefusal::badName:
        FUZZ_CHECK(text.find('"' + check.forced + '"') != std::string::npos);
        break;
    default:
        FUZZ_CHECK(text.find('"' + typed + '"') != std::string::npos);
        break;
    }
}

void checkFolders(const std::string& a, const std::string& b) {
    FUZZ_CHECK(installer::sameFolder(a, a));
    FUZZ_CHECK(installer::sameFolder(a, b) == installer::sameFolder(b, a));
    FUZZ_CHECK(installer::sameFolder(a, otherSpelling(a)));
    FUZZ_CHECK(installer::sameFolder(a, a + "\\"));
    FUZZ_CHECK(installer::sameFolder(a, a + "/"));
    if (installer::sameFolder(a, b))
        FUZZ_CHECK(installer::isDriveRoot(a) == installer::isDriveRoot(b));
    FUZZ_CHECK(installer::isDriveRoot(a) == installer::isDriveRoot(otherSpelling(a)));
    // Under a folder that is no root there is no root.
    if (!installer::isDriveRoot(a))
        FUZZ_CHECK(!installer::isDriveRoot(a + "\\x"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    checkTyped(input);
    // Two folders: the input cut at its first line end.
    const std::size_t cut = input.find('\n');
    if (cut == std::string::npos)
        checkFolders(input, installer::installPathIn(input));
    else
        checkFolders(input.substr(0, cut), input.substr(cut + 1));
    return 0;
}
