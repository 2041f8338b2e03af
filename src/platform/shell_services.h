// The Windows shell: opening files, the recycle bin, special folders.
#pragma once

#include "platform/handles.h"

#include <cstdint>
#include <string>

namespace orvela::platform {

struct RecycleBinInfo {
    std::int64_t size = 0;  // total bytes
    std::int64_t items = 0; // number of items
};

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // ShellExecuteA; the result (> 32 on success) is the shell's.
    virtual std::intptr_t shellExecute(WindowHandle window, const std::string& operation,
                                       const std::string& file, const std::string& parameters,
                                       const std::string& directory, int showCommand) = 0;
    // SHEmptyRecycleBinA; an empty root means every drive. Returns the HRESULT.
    virtual std::int32_t emptyRecycleBin(WindowHandle window, const std::string& root,
                                         unsigned flags) = 0;
    // SHQueryRecycleBinA; an empty root means every drive. The record is the
    // SDK's own structure of the target, sized by the platform layer.
    virtual std::int32_t queryRecycleBin(const std::string& root, RecycleBinInfo& info) = 0;
    // SHGetSpecialFolderLocation; 0 on success.
    virtual std::int32_t getSpecialFolderLocation(WindowHandle owner, int folder,
                                                  ItemIdList& list) = 0;
    // SHGetPathFromIDListA into a MAX_PATH buffer: buffer receives the raw
    // contents, the path followed by a NUL.
    virtual bool getPathFromIdList(ItemIdList list, std::string& buffer) = 0;
    // CoTaskMemFree of a list that getSpecialFolderLocation handed out.
    virtual void releaseIdList(ItemIdList list) = 0;
};

} // namespace orvela::platform
