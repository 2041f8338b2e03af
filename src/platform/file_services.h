// The file facilities of the run time: the program folder and whole files.
// Paths are UTF-8 texts in the platform's own form.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orvela::platform {

class FileServices {
public:
    virtual ~FileServices() = default;
    // The folder of the running program's executable, without a trailing separator.
    virtual std::string programDir() = 0;
    // The executable's file name without its extension ("Orvela").
    virtual std::string programName() = 0;
    // dir + the platform's path separator + name.
    virtual std::string joinPath(const std::string& dir, const std::string& name) = 0;
    // An ordinary file (not a folder) exists at path.
    virtual bool fileExists(const std::string& path) = 0;
    // At most maxBytes of the file; nothing if it cannot be opened.
    virtual std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) = 0;
    // Writes the file whole or leaves the old one as it was (temporary file,
    // then replace). False on failure.
    virtual bool replaceFile(const std::string& path, const std::string& bytes) = 0;
};

} // namespace orvela::platform
