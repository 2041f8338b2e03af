// The file facilities of the run time: the program folder and whole files.
// Paths are UTF-8 texts in the platform's own form.
#pragma once

#include "platform/handles.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace orvela::platform {

// One entry of a file search (WIN32_FIND_DATA).
struct FindData {
    std::uint32_t attributes = 0;
    std::uint64_t creationTime = 0; // FILETIME: 100 ns steps since 1601-01-01 UTC
    std::uint32_t sizeHigh = 0, sizeLow = 0;
    std::string name; // the entry's name, UTF-8
};

inline constexpr std::uint32_t fileAttributeDirectory = 0x10;

// Why a file operation failed, as far as the caller can act on it: Windows
// refuses the user (no rights to the folder: ERROR_ACCESS_DENIED,
// ERROR_PRIVILEGE_NOT_HELD), a file or folder on the way is missing, or
// anything else (a full disk, a file in use, a name Windows cannot hold).
enum class FileError { none, accessDenied, notFound, other };

// The answer of a file operation that creates or writes: success, or the
// kind of its failure.
struct FileResult {
    FileError error = FileError::none;

    static constexpr FileResult ok() { return {}; }
    static constexpr FileResult failed(FileError why) { return {why}; }
    constexpr explicit operator bool() const { return error == FileError::none; }
    constexpr bool accessDenied() const { return error == FileError::accessDenied; }
};

class FileServices {
public:
    virtual ~FileServices() = default;
    // The folder of the running program's executable, without a trailing separator.
    virtual std::string programDir() = 0;
    // The executable's file name without its extension ("Orvela").
    virtual std::string programName() = 0;
    // The user's application-data folder (SHGetFolderPathW(CSIDL_APPDATA),
    // C:\Users\me\AppData\Roaming), without a trailing separator;
    // none when Windows gives none.
    [[nodiscard]] virtual std::optional<std::string> appDataDir() = 0;
    // The folder takes new files: a uniquely named file is created in it and
    // deleted again. False when Windows refuses (a protected program folder
    // under Program Files) or the folder is missing.
    [[nodiscard]] virtual bool folderTakesFiles(const std::string& dir) = 0;
    // dir + the platform's path separator + name.
    virtual std::string joinPath(const std::string& dir, const std::string& name) = 0;
    // An ordinary file (not a folder) exists at path.
    virtual bool fileExists(const std::string& path) = 0;
    // At most maxBytes of the file; nothing if it cannot be opened.
    virtual std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) = 0;
    // Writes the file whole or leaves the old one as it was (temporary file,
    // then replace). False on failure.
    [[nodiscard]] virtual bool replaceFile(const std::string& path, const std::string& bytes) = 0;
    // A folder exists at path.
    virtual bool directoryExists(const std::string& path) = 0;
    // Creates one folder; a failure when it exists already or cannot be made.
    [[nodiscard]] virtual FileResult createDirectory(const std::string& path) = 0;
    // Removes an empty folder; false otherwise.
    [[nodiscard]] virtual bool removeDirectory(const std::string& path) = 0;
    // Deletes a file; force also deletes a read-only one. False on failure.
    [[nodiscard]] virtual bool deleteFile(const std::string& path, bool force) = 0;
    // Copies a file, replacing the target; the failure's kind otherwise.
    [[nodiscard]] virtual FileResult copyFile(const std::string& from, const std::string& to) = 0;
    // FindFirstFileA / FindNextFileA / FindClose on a pattern such as
    // "C:\\Users\\me\\Desktop\\*.*". findFirstFile gives 0 when nothing is found.
    virtual FindHandle findFirstFile(const std::string& pattern, FindData& data) = 0;
    [[nodiscard]] virtual bool findNextFile(FindHandle search, FindData& data) = 0;
    virtual void findClose(FindHandle search) = 0;
};

} // namespace orvela::platform
