#include "installer/install_messages.h"

namespace orvela::installer {

namespace {

// Label5 holds three lines: the closing words share the last one.
constexpr const char* nothingInstalled = " Nothing has been installed.";
constexpr const char* nothingMoved = " Nothing has been moved.";

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The path meant by one that lacks the backslash after its colon: the
// program folder in the folder typed ("D:\Tools\" gives "D:\Tools\Orvela\"),
// or in the drive's root.
std::string driveRelativeMend(const std::string& typed) {
    const std::string drive = typed.substr(0, 2);
    if (typed.size() > 3 && (typed[2] == '\\' || typed[2] == '/')) {
        std::string folder = typed;
        if (folder.back() != '\\' && folder.back() != '/')
            folder += '\\';
        return folder + programFolderName;
    }
    return drive + "\\" + programFolderName;
}

} // namespace

std::string refusedPathText(const std::string& typed, const InstallPathCheck& check) {
    const std::string path = quoted(typed);
    switch (check.refusal) {
    case PathRefusal::none:
        break;
    case PathRefusal::empty:
        return "Choose a folder with Brouse, or type a path such as D:\\Programs\\Orvela\\, "
               "then press Next.";
    case PathRefusal::noDrive:
        return path +
               " is not a folder on a drive. Type the full path: a drive letter, a colon and a "
               "backslash, then the folder, such as D:\\Programs\\Orvela\\." +
               nothingInstalled;
    case PathRefusal::tooShort:
        return path + " is too short. The install path ends in the folder Orvela\\, such as " +
               "D:\\Orvela\\." + nothingInstalled;
    case PathRefusal::lostDrive:
        return path + " would become " + quoted(check.forced) +
               ", which names no drive. Type the full path, ending in Orvela\\." + nothingInstalled;
    case PathRefusal::notADrive:
        return path + " does not start with a drive: " + quoted(typed.substr(0, 2)) +
               " is no letter from A to Z and a colon." + nothingInstalled;
    case PathRefusal::driveRelative:
        return path + " would become the drive-relative " + quoted(check.forced) +
               " (whatever folder is current on " + typed.substr(0, 2) +
               "). Type a backslash after the colon, such as " + driveRelativeMend(typed) + "." +
               nothingInstalled;
    case PathRefusal::badName:
        return quoted(check.forced) +
               " holds a character that no folder name may hold (< > : \" | ? *)." +
               nothingInstalled;
    }
    return {};
}

std::string missingFileText(const std::string& file, const std::string& shippingFolder) {
    return file + " is missing from the folder of install.exe:\r\n" + shippingFolder +
           "\r\nUnpack all six files of Orvela into one folder and start install.exe there." +
           nothingMoved;
}

std::string needsRightsText(const std::string& installFolder) {
    return "The folder " + installFolder +
           " needs administrator rights.\r\nChoose a folder of your own, or start install.exe "
           "with \"Run as administrator\".\r\nNothing has been moved.";
}

std::string sameFolderText(const std::string& installFolder) {
    return installFolder + " is the folder install.exe runs from: choose another folder." +
           nothingMoved;
}

std::string couldNotCopyText(const std::string& file, const std::string& installFolder) {
    return "Could not copy " + file + " into\r\n" + installFolder +
           "\r\nNothing has been moved: choose another folder and press Next again.";
}

} // namespace orvela::installer
