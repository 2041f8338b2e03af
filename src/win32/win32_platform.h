// The platform services on real Windows: each method makes the one Windows
// call its interface names, through the wide-character (W) functions, with
// UTF-8 converted at the boundary. Failures come back as the interfaces
// define them (false, zeros, empty texts); nothing throws.
//
// Text that is not valid UTF-8, or holds a NUL, names nothing Windows can
// hold: the call is not made and the method reports failure.
#pragma once

#include "platform/platform.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace orvela::win32 {

class Win32Platform final : public platform::DisplayServices,
                            public platform::WindowServices,
                            public platform::ShellServices,
                            public platform::SystemServices,
                            public platform::ScriptingServices,
                            public platform::FileServices,
                            public platform::DialogServices {
public:
    // The program's own single-instance mutex name.
    static constexpr const char* defaultInstanceName = "Local\\Orvela.SingleInstance";

    Win32Platform();
    // instanceName: the named mutex that anotherInstanceRunning() creates
    // (tests choose their own, so that a running program does not disturb them).
    explicit Win32Platform(std::string instanceName);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    platform::Platform platform() { return {*this, *this, *this, *this, *this, *this, *this}; }

    // DisplayServices
    bool enumCurrentDisplaySettings(platform::DisplayMode& mode) override;
    std::uint32_t getSysColor(int index) override;
    int screenDpi() override;
    // WindowServices: an empty class or title matches any. showWindow gives
    // ShowWindow's result: whether the window was visible before.
    platform::WindowHandle findWindow(const std::string& className,
                                      const std::string& title) override;
    platform::WindowHandle findWindowEx(platform::WindowHandle parent,
                                        platform::WindowHandle childAfter,
                                        const std::string& className,
                                        const std::string& title) override;
    bool showWindow(platform::WindowHandle window, int command) override;
    bool setWindowPos(platform::WindowHandle window, platform::WindowHandle insertAfter, int x,
                      int y, int cx, int cy, unsigned flags) override;
    // ShellServices: an empty operation, parameter text or folder is passed
    // as none; the items of a failed query are 0.
    std::intptr_t shellExecute(platform::WindowHandle window, const std::string& operation,
                               const std::string& file, const std::string& parameters,
                               const std::string& directory, int showCommand) override;
    std::int32_t emptyRecycleBin(platform::WindowHandle window, const std::string& root,
                                 unsigned flags) override;
    std::int32_t queryRecycleBin(const std::string& root, platform::RecycleBinInfo& info) override;
    std::int32_t getSpecialFolderLocation(platform::WindowHandle owner, int folder,
                                          platform::ItemIdList& list) override;
    bool getPathFromIdList(platform::ItemIdList list, std::string& buffer) override;
    void releaseIdList(platform::ItemIdList list) override;
    // The browser is owned by owner, or by the active window for none.
    platform::ItemIdList browseForFolder(platform::WindowHandle owner, const std::string& title,
                                         unsigned flags) override;
    std::uintptr_t getFileInfo(const std::string& path, std::uint32_t attributes, unsigned flags,
                               platform::FileInfo& info) override;
    // A path too long for Windows' buffer gives no icon. Above 96 dpi both
    // give the icon at the display's size (forms::iconPixelsAt) from the
    // system's larger image lists (large_icon.h), where Windows has them.
    platform::IconHandle extractAssociatedIcon(const std::string& path, int index) override;
    platform::IconHandle imageListIcon(platform::ImageListHandle list, int index) override;
    // The pictures live as long as this object.
    platform::PictureHandle createIconPicture(platform::IconHandle icon) override;
    // The icon a picture shows, for the front end to draw; null for none.
    HICON iconOfPicture(platform::PictureHandle picture) const;
    // SystemServices. The name lookups count size in UTF-8 bytes: in, the
    // room in buffer; out, what Windows reports (the name's length, for
    // GetUserName with its NUL; the room needed when the buffer is too small).
    bool getComputerName(std::string& buffer, std::uint32_t& size) override;
    bool getUserName(std::string& buffer, std::uint32_t& size) override;
    unsigned getDriveType(const std::string& root) override;
    std::uint32_t getVersion() override;
    bool getVersionEx(platform::OsVersion& version) override;
    bool fileTimeToSystemTime(std::uint64_t fileTime, platform::SystemTime& time) override;
    platform::ObjectHandle getCurrentProcess() override;
    bool openProcessToken(platform::ObjectHandle process, std::uint32_t access,
                          platform::ObjectHandle& token) override;
    bool lookupPrivilegeValue(const std::string& systemName, const std::string& name,
                              platform::Luid& luid) override;
    void closeHandle(platform::ObjectHandle handle) override;
    bool adjustTokenPrivileges(platform::ObjectHandle token, bool disableAll,
                               const platform::TokenPrivilege& privilege) override;
    bool exitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
    // GetDateFormatW, so every script of the user's locale comes through.
    std::string shortDate(int year, int month, int day) override;
    void beep() override;
    // The first call creates the named mutex and keeps it open while this
    // object lives; every call gives the first call's answer.
    bool anotherInstanceRunning() override;
    // ScriptingServices: need COM initialised on the calling thread (without
    // it specialFolder gives the empty text and saveShortcut false). A key
    // the scripting shell answers with nothing or a failure is asked of the
    // shell's SHGetFolderPathW; a shortcut the scripting shell cannot write
    // whole is written through the shell's link object instead. The
    // shortcut's path may be relative to the current folder.
    std::string specialFolder(const std::string& key) override;
    bool saveShortcut(const std::string& path, const platform::Shortcut& shortcut) override;
    // IShellLinkW loaded from the file through IPersistFile, then GetPath.
    std::optional<std::string> shortcutTarget(const std::string& path) override;
    // FileServices: paths with backslashes.
    std::string programDir() override;
    std::string programName() override;
    std::optional<std::string> appDataDir() override;
    bool folderTakesFiles(const std::string& dir) override;
    std::string joinPath(const std::string& dir, const std::string& name) override;
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
    bool replaceFile(const std::string& path, const std::string& bytes) override;
    bool directoryExists(const std::string& path) override;
    // createDirectory and copyFile tell access denied (ERROR_ACCESS_DENIED,
    // ERROR_PRIVILEGE_NOT_HELD) and a missing file or folder from the rest.
    platform::FileResult createDirectory(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    bool deleteFile(const std::string& path, bool force) override;
    platform::FileResult copyFile(const std::string& from, const std::string& to) override;
    // DialogServices. getOpenFileName takes the initial folder with either
    // slash; loadPicture resolves a relative path against the current folder.
    int messageBox(platform::WindowHandle owner, const std::string& text, unsigned style,
                   const std::string& title) override;
    std::optional<std::string> getOpenFileName(platform::WindowHandle owner,
                                               const platform::OpenFileRequest& request) override;
    platform::PictureLoad loadPicture(const std::string& path) override;
    platform::FindHandle findFirstFile(const std::string& pattern,
                                       platform::FindData& data) override;
    bool findNextFile(platform::FindHandle search, platform::FindData& data) override;
    void findClose(platform::FindHandle search) override;

private:
    void releasePictures();

    std::string instanceName_;
    void* instanceMutex_ = nullptr; // HANDLE
    std::optional<bool> anotherInstance_;
    // The side of an item icon at the display's dpi at start-up (32 at 96).
    int iconPixels_ = 32;
    // Pictures made from icons (IPicture*, each holding one reference).
    std::map<platform::PictureHandle, void*> pictures_;
    platform::PictureHandle nextPicture_ = 1;
};

} // namespace orvela::win32
