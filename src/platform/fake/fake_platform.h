// An in-memory machine for tests and the headless driver. Every Windows
// call is recorded with its arguments, in order; files live in a real folder
// that the caller chooses.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvela::platform::fake {

struct FakeMachine {
    unsigned screenWidth = 1024, screenHeight = 768;
    int dpi = 96; // what the dpi query reports (not recorded: a plain reading)
    std::optional<unsigned> displayHeight; // what the display-mode query reports; 0 = fails
    std::string programDir = ".";
    // The program folder refuses every write in it or below it (creating,
    // writing, copying into, deleting), as Windows refuses a standard user
    // under Program Files.
    bool readOnlyProgramDir = false;
    // The user's application-data folder, a real folder; none: Windows gives none.
    std::optional<std::string> appDataDir;
    std::string programName = "Orvela";
    std::string desktop; // WScript.Shell SpecialFolders("Desktop"); empty: none
    std::map<int, std::string> specialFolders{{5, "C:\\Users\\me\\Documents"},
                                              {38, "C:\\Program Files"}};
    std::map<std::string, std::string> wshFolders;
    unsigned osMajor = 5, osMinor = 1, osBuild = 2600;
    bool ntFamily = true;
    std::optional<std::string> computerName = std::string("ORVELA");
    std::optional<std::string> userName = std::string("me");
    std::map<char, unsigned> driveTypes{{'C', 3}}; // others report 1
    std::int64_t recycleItems = 0, recycleBytes = 0;
    bool anotherInstance = false;
    std::string shortDatePicture = "M/d/yyyy"; // the user's short date format
    // Shell type names by lower-case extension (without the dot), over the
    // built-in ones: "Application" for exe, "Shortcut" for lnk, "File
    // Folder" for folders, otherwise the extension in capitals + " File".
    std::map<std::string, std::string> typeNames;
    // What the next folder pickers return, in order: a path (a drive root as
    // "D:\\", any other folder without a trailing separator) or none for a
    // cancel. With none queued the picker is cancelled.
    std::deque<std::optional<std::string>> folderAnswers;
    bool pathsFromIdLists = true; // false: no identifier list converts to a path
    // The creation time every found file reports (FILETIME); none: the
    // file's last write time.
    std::optional<std::uint64_t> fileTime;
    // GetSysColor(3), the active title bar: Windows' classic navy.
    std::uint32_t activeCaptionColor = 0x6A240A;
    // Real folders standing for drive roots ('D' -> "/tmp/d"): "D:\\a\\b" is
    // /tmp/d/a/b. A path on a drive not listed here is on a missing drive.
    std::map<char, std::string> driveRoots;
    // Folders (Windows paths) that refuse the user, as Windows refuses a
    // standard user under C:\Program Files: creating, writing, deleting or
    // removing the folder or anything below it fails with access denied.
    std::vector<std::string> protectedFolders;
    // What the next file-open dialogs return, in order (none: cancelled);
    // with none queued the dialog is cancelled.
    std::deque<std::optional<std::string>> fileAnswers;
    // The answers of the next Yes/No message boxes, in order; with none
    // queued the answer is Yes. OK-only boxes answer OK and take none.
    std::deque<int> messageAnswers;
};

class FakePlatform final : public DisplayServices,
                           public WindowServices,
                           public ShellServices,
                           public SystemServices,
                           public ScriptingServices,
                           public FileServices,
                           public DialogServices {
public:
    explicit FakePlatform(FakeMachine machine = {});

    Platform platform() { return {*this, *this, *this, *this, *this, *this, *this}; }
    FakeMachine& machine() { return machine_; }

    // The calls recorded since the last take, one line each
    // ("call ShellExecuteA 0 \"Open\" ..."). At most the last maxKeptCalls
    // are kept, so a long run holds bounded memory; when earlier ones were
    // dropped, a first line says how many ("not kept: 12 earlier calls").
    std::vector<std::string> takeCalls();
    static constexpr std::size_t maxKeptCalls = 100000;

    // Handles the fake hands out.
    static constexpr WindowHandle taskbarWindow = 65556;
    static constexpr WindowHandle startButtonWindow = 65558;

    // DisplayServices
    bool enumCurrentDisplaySettings(DisplayMode& mode) override;
    // Index 3 answers activeCaptionColor, every other index 0.
    std::uint32_t getSysColor(int index) override;
    // FakeMachine::dpi.
    int screenDpi() override { return machine_.dpi; }
    // WindowServices
    WindowHandle findWindow(const std::string& className, const std::string& title) override;
    WindowHandle findWindowEx(WindowHandle parent, WindowHandle childAfter,
                              const std::string& className, const std::string& title) override;
    bool showWindow(WindowHandle window, int command) override;
    bool setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;
    // ShellServices
    std::intptr_t shellExecute(WindowHandle window, const std::string& operation,
                               const std::string& file, const std::string& parameters,
                               const std::string& directory, int showCommand) override;
    std::int32_t emptyRecycleBin(WindowHandle window, const std::string& root,
                                 unsigned flags) override;
    std::int32_t queryRecycleBin(const std::string& root, RecycleBinInfo& info) override;
    std::int32_t getSpecialFolderLocation(WindowHandle owner, int folder,
                                          ItemIdList& list) override;
    bool getPathFromIdList(ItemIdList list, std::string& buffer) override;
    void releaseIdList(ItemIdList list) override;
    ItemIdList browseForFolder(WindowHandle owner, const std::string& title,
                               unsigned flags) override;
    // The folder's real entries, sorted by name, after "." and "..".
    std::uintptr_t getFileInfo(const std::string& path, std::uint32_t attributes, unsigned flags,
                               FileInfo& info) override;
    IconHandle extractAssociatedIcon(const std::string& path, int index) override;
    IconHandle imageListIcon(ImageListHandle list, int index) override;
    PictureHandle createIconPicture(IconHandle icon) override;
    // SystemServices
    bool getComputerName(std::string& buffer, std::uint32_t& size) override;
    bool getUserName(std::string& buffer, std::uint32_t& size) override;
    unsigned getDriveType(const std::string& root) override;
    std::uint32_t getVersion() override;
    bool getVersionEx(OsVersion& version) override;
    bool fileTimeToSystemTime(std::uint64_t fileTime, SystemTime& time) override;
    ObjectHandle getCurrentProcess() override;
    bool openProcessToken(ObjectHandle process, std::uint32_t access, ObjectHandle& token) override;
    bool lookupPrivilegeValue(const std::string& systemName, const std::string& name,
                              Luid& luid) override;
    void closeHandle(ObjectHandle handle) override;
    bool adjustTokenPrivileges(ObjectHandle token, bool disableAll,
                               const TokenPrivilege& privilege) override;
    bool exitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
    std::string shortDate(int year, int month, int day) override;
    void beep() override;
    bool anotherInstanceRunning() override;
    // ScriptingServices
    std::string specialFolder(const std::string& key) override;
    // Writes the shortcut as a small text file at its real path (fake_shortcut.h).
    bool saveShortcut(const std::string& path, const Shortcut& shortcut) override;
    // The TargetPath of a file saveShortcut wrote; nothing for any other file.
    std::optional<std::string> shortcutTarget(const std::string& path) override;
    // FileServices
    std::string programDir() override;
    std::string programName() override;
    std::optional<std::string> appDataDir() override;
    // A real probe file in the real folder; never in a read-only program folder.
    bool folderTakesFiles(const std::string& dir) override;
    std::string joinPath(const std::string& dir, const std::string& name) override;
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
    bool replaceFile(const std::string& path, const std::string& bytes) override;
    bool directoryExists(const std::string& path) override;
    FileResult createDirectory(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    bool deleteFile(const std::string& path, bool force) override;
    FileResult copyFile(const std::string& from, const std::string& to) override;
    // The entries of the pattern's folder whose names match it ("*.*"
    // matches every name), sorted, after "." and ".." as Windows gives them.
    FindHandle findFirstFile(const std::string& pattern, FindData& data) override;
    bool findNextFile(FindHandle search, FindData& data) override;
    void findClose(FindHandle search) override;

    // DialogServices
    int messageBox(WindowHandle owner, const std::string& text, unsigned style,
                   const std::string& title) override;
    std::optional<std::string> getOpenFileName(WindowHandle owner,
                                               const OpenFileRequest& request) override;
    // A missing file gives 53; a file that does not start like a BMP, GIF,
    // JPEG, PNG or icon gives 481.
    PictureLoad loadPicture(const std::string& path) override;

    // Where a Windows-style path lies in the real file system: drive letters
    // through driveRoots, backslashes as separators; none on a missing drive.
    std::optional<std::filesystem::path> hostPath(const std::string& path) const;

    // The system image list the fake hands out.
    static constexpr ImageListHandle systemImageList = 4096;

private:
    // hostPath, or an empty path (which no operation finds) on a missing drive.
    std::filesystem::path real(const std::string& path) const {
        return hostPath(path).value_or(std::filesystem::path());
    }
    void record(const std::string& line);
    // The path is a protected folder or lies below one.
    bool isProtected(const std::string& path) const;
    // The real path lies in a read-only program folder (or below it).
    bool writeRefused(const std::filesystem::path& p) const;
    bool fillName(const char* function, const std::optional<std::string>& name, std::string& buffer,
                  std::uint32_t& size);

    FakeMachine machine_;
    std::deque<std::string> calls_;
    std::size_t droppedCalls_ = 0;
    std::map<ItemIdList, std::string> idLists_; // handed-out lists and their paths
    ItemIdList nextIdList_ = 0;
    std::map<FindHandle, std::deque<FindData>> searches_; // entries still to come
    FindHandle nextSearch_ = 7000;
    std::map<IconHandle, std::string> icons_; // live icons and what they show
    IconHandle nextIcon_ = 9000;
    PictureHandle nextPicture_ = 20000;
    std::map<std::string, int> iconIndexes_; // system image list index by type name
};

} // namespace orvela::platform::fake
