// Windows Script Host objects, created for one operation and released after it.
#pragma once

#include <string>

namespace orvela::platform {

class ScriptingServices {
public:
    virtual ~ScriptingServices() = default;
    // WScript.Shell SpecialFolders(key); the empty text if the host fails.
    virtual std::string specialFolder(const std::string& key) = 0;
};

} // namespace orvela::platform
