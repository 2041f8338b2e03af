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

// The typed path with as many characters cut from its end as "Orvela\" has,
// then "Orvela\" appended ("D:\Tools\" gives "D:\Orvela\"; "D:\Apps\Orvela"
// gives "D:\AppsOrvela\"). Characters, not bytes: a Cyrillic name is cut
// whole. Nothing when the path is too short for the cut or has no drive
// letter before or after it ("D:\abc\" would become "Orvela\").
std::optional<std::string> forceProgramFolder(const std::string& typed);

// Whether two folder paths name the same folder as far as their texts tell:
// ASCII case and the separators "\" and "/" ignored, trailing separators too.
bool sameFolder(const std::string& a, const std::string& b);

} // namespace orvela::installer
