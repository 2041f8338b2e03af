// The install path: a chosen parent folder becomes the program folder in it,
// and a typed path is forced to end in the program folder.
#pragma once

#include <optional>
#include <string>

namespace orvela::installer {

// The program folder's name as it ends every install path.
inline constexpr const char* programFolderName = "Orvela\\";

// The install path for a folder chosen with the picker (which ends in "\"):
// "D:\" gives "D:\Orvela\".
std::string installPathIn(const std::string& chosenFolder);

// Why a typed install path is refused.
enum class PathRefusal {
    none,
    empty,
    noDrive,       // the typed path has no colon after its first character
    tooShort,      // fewer characters than "Orvela\"
    lostDrive,     // the cut leaves no drive ("D:\abc\" would become "Orvela\")
    notADrive,     // the character before the colon is no letter A to Z ("1:\")
    driveRelative, // no backslash after the colon ("D:Orvela\")
    badName,       // a character Windows allows in no folder name (< > : " | ? *)
};

struct InstallPathCheck {
    std::string forced; // the path after the cut and append (empty when not reached)
    PathRefusal refusal = PathRefusal::none;
};

// The typed path with as many characters cut from its end as "Orvela\" has,
// then "Orvela\" appended ("D:\Programs\" gives "D:\PrOrvela\";
// "D:\Apps\Orvela" gives "D:\AppsOrvela\"). Characters, not bytes: a
// Cyrillic name is cut whole. The result must be a drive letter, a colon, a
// backslash (or "/") and the folder; otherwise the check names the refusal
// ("D:\Tools\" would become the drive-relative "D:Orvela\").
InstallPathCheck checkInstallPath(const std::string& typed);

// The install folder of a typed path: checkInstallPath's result, nothing
// when it is refused.
std::optional<std::string> forceProgramFolder(const std::string& typed);

// Whether the folder is a drive's root ("D:", "D:\") or a network share's
// ("\\server\share"), or no folder at all (the empty text).
bool isDriveRoot(const std::string& folder);

// Whether two folder paths name the same folder as far as their texts tell:
// ASCII case and the separators "\" and "/" ignored, trailing separators too.
bool sameFolder(const std::string& a, const std::string& b);

} // namespace orvela::installer
