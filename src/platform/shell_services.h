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

// The parts of SHFILEINFO the program reads.
struct FileInfo {
    int iconIndex = 0;       // iIcon
    std::string displayName; // szDisplayName
    std::string typeName;    // szTypeName
};

// SHGetFileInfo flags.
inline constexpr unsigned shgfiShellIconSize = 0x4;
inline constexpr unsigned shgfiUseFileAttributes = 0x10;
inline constexpr unsigned shgfiDisplayName = 0x200;
inline constexpr unsigned shgfiTypeName = 0x400;
inline constexpr unsigned shgfiExeType = 0x2000;
inline constexpr unsigned shgfiSysIconIndex = 0x4000;

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // ShellExecuteA; the result (> 32 on success) is the shell's.
    virtual std::intptr_t shellExecute(WindowHandle window, const std::string& operation,
                                       const std::string& file, const std::string& parameters,
                                       const std::string& directory, int showCommand) = 0;
    // SHEmptyRecycleBinA; an empty root means every drive. Returns the HRESULT.
    [[nodiscard]] virtual std::int32_t emptyRecycleBin(WindowHandle window, const std::string& root,
                                                       unsigned flags) = 0;
    // SHQueryRecycleBinA; an empty root means every drive. The record is the
    // SDK's own structure of the target, sized by the platform layer.
    [[nodiscard]] virtual std::int32_t queryRecycleBin(const std::string& root,
                                                       RecycleBinInfo& info) = 0;
    // SHGetSpecialFolderLocation; 0 on success.
    [[nodiscard]] virtual std::int32_t getSpecialFolderLocation(WindowHandle owner, int folder,
                                                                ItemIdList& list) = 0;
    // SHGetPathFromIDListA into a MAX_PATH buffer: buffer receives the raw
    // contents, the path followed by a NUL.
    [[nodiscard]] virtual bool getPathFromIdList(ItemIdList list, std::string& buffer) = 0;
    // CoTaskMemFree of a list that getSpecialFolderLocation or
    // browseForFolder handed out.
    virtual void releaseIdList(ItemIdList list) = 0;
    // SHBrowseForFolderA owned by a window, with a title and BIF flags; 0
    // when the user cancels.
    virtual ItemIdList browseForFolder(WindowHandle owner, const std::string& title,
                                       unsigned flags) = 0;

    // SHGetFileInfoA. With shgfiSysIconIndex the result is the system image
    // list (0 on failure); with shgfiExeType alone, the executable type
    // (0 for none, an MS-DOS or a console program: high word 0).
    virtual std::uintptr_t getFileInfo(const std::string& path, std::uint32_t attributes,
                                       unsigned flags, FileInfo& info) = 0;
    // ExtractAssociatedIconA: the large icon of a file or of its type; 0 for none.
    virtual IconHandle extractAssociatedIcon(const std::string& path, int index) = 0;
    // The image of a system image list as an icon of its own
    // (ImageList_GetIcon, drawn transparent); 0 on failure.
    virtual IconHandle imageListIcon(ImageListHandle list, int index) = 0;
    // OleCreatePictureIndirect of an icon, the picture taking ownership of
    // it: a handle the front end draws for as long as the program runs; 0
    // on failure (the icon is then destroyed).
    virtual PictureHandle createIconPicture(IconHandle icon) = 0;
};

} // namespace orvela::platform
