#include "platform/fake/fake_platform.h"

#include "platform/fake/date_picture.h"
#include "platform/fake/text_format.h"
#include "platform/fake/utf8_path.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace orvela::platform::fake {

namespace fs = std::filesystem;

namespace {

std::string q(const std::string& s) {
    return quoteText(s);
}
std::string n(std::int64_t v) {
    return std::to_string(v);
}
std::string h(std::uintptr_t v) {
    return std::to_string(static_cast<std::intptr_t>(v));
}

constexpr ObjectHandle currentProcessPseudoHandle = static_cast<ObjectHandle>(-1);
constexpr ObjectHandle fakeToken = 100;
constexpr ItemIdList firstIdList = 5000;

} // namespace

FakePlatform::FakePlatform(FakeMachine machine) : machine_(std::move(machine)) {}

void FakePlatform::record(const std::string& line) {
    if (calls_.size() == maxKeptCalls) {
        calls_.pop_front();
        ++droppedCalls_;
    }
    calls_.push_back("call " + line);
}

std::vector<std::string> FakePlatform::takeCalls() {
    std::vector<std::string> out;
    out.reserve(calls_.size() + 1);
    if (droppedCalls_ > 0)
        out.push_back("not kept: " + std::to_string(droppedCalls_) + " earlier calls");
    out.insert(out.end(), std::make_move_iterator(calls_.begin()),
               std::make_move_iterator(calls_.end()));
    calls_.clear();
    droppedCalls_ = 0;
    return out;
}

bool FakePlatform::enumCurrentDisplaySettings(DisplayMode& mode) {
    record("EnumDisplaySettingsA 0 -1");
    unsigned height = machine_.displayHeight.value_or(machine_.screenHeight);
    if (height == 0)
        return false;
    mode.width = machine_.screenWidth;
    mode.height = height;
    return true;
}

std::uint32_t FakePlatform::getSysColor(int index) {
    record("GetSysColor " + std::to_string(index));
    return index == 3 ? machine_.activeCaptionColor : 0;
}

WindowHandle FakePlatform::findWindow(const std::string& className, const std::string& title) {
    record("FindWindowA " + q(className) + " " + q(title));
    // Window class names compare without regard to case.
    std::string lower;
    for (char c : className)
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "shell_traywnd" ? taskbarWindow : 0;
}

WindowHandle FakePlatform::findWindowEx(WindowHandle parent, WindowHandle childAfter,
                                        const std::string& className, const std::string& title) {
    record("FindWindowExA " + h(parent) + " " + h(childAfter) + " " + q(className) + " " +
           q(title));
    return parent == taskbarWindow && childAfter == 0 && className == "Button" ? startButtonWindow
                                                                               : 0;
}

bool FakePlatform::showWindow(WindowHandle window, int command) {
    record("ShowWindow " + h(window) + " " + n(command));
    return window != 0;
}

bool FakePlatform::setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                                int cy, unsigned flags) {
    record("SetWindowPos " + h(window) + " " + h(insertAfter) + " " + n(x) + " " + n(y) + " " +
           n(cx) + " " + n(cy) + " " + n(flags));
    return window != 0;
}

std::intptr_t FakePlatform::shellExecute(WindowHandle window, const std::string& operation,
                                         const std::string& file, const std::string& parameters,
                                         const std::string& directory, int showCommand) {
    record("ShellExecuteA " + h(window) + " " + q(operation) + " " + q(file) + " " + q(parameters) +
           " " + q(directory) + " " + n(showCommand));
    return 42;
}

std::int32_t FakePlatform::emptyRecycleBin(WindowHandle window, const std::string& root,
                                           unsigned flags) {
    record("SHEmptyRecycleBinA " + h(window) + " " + q(root) + " " + n(flags));
    machine_.recycleItems = 0;
    machine_.recycleBytes = 0;
    return 0;
}

std::int32_t FakePlatform::queryRecycleBin(const std::string& root, RecycleBinInfo& info) {
    record("SHQueryRecycleBinA " + q(root));
    info.size = machine_.recycleBytes;
    info.items = machine_.recycleItems;
    return 0;
}

std::int32_t FakePlatform::getSpecialFolderLocation(WindowHandle owner, int folder,
                                                    ItemIdList& list) {
    record("SHGetSpecialFolderLocation " + h(owner) + " " + n(folder));
    if (!machine_.specialFolders.count(folder)) {
        list = 0;
        return static_cast<std::int32_t>(0x80004005u); // E_FAIL
    }
    list = firstIdList + nextIdList_++;
    idLists_[list] = machine_.specialFolders[folder];
    return 0;
}

bool FakePlatform::getPathFromIdList(ItemIdList list, std::string& buffer) {
    record("SHGetPathFromIDListA " + h(list));
    auto it = idLists_.find(list);
    if (it == idLists_.end() || !machine_.pathsFromIdLists)
        return false;
    std::string filled = it->second + '\0';
    if (filled.size() < buffer.size())
        filled += buffer.substr(filled.size());
    buffer = filled;
    return true;
}

void FakePlatform::releaseIdList(ItemIdList list) {
    record("CoTaskMemFree " + h(list));
    idLists_.erase(list);
}

ItemIdList FakePlatform::browseForFolder(WindowHandle owner, const std::string& title,
                                         unsigned flags) {
    record("SHBrowseForFolderA " + h(owner) + " " + q(title) + " " + n(flags));
    std::optional<std::string> answer;
    if (!machine_.folderAnswers.empty()) {
        answer = machine_.folderAnswers.front();
        machine_.folderAnswers.pop_front();
    }
    if (!answer)
        return 0;
    ItemIdList list = firstIdList + nextIdList_++;
    idLists_[list] = *answer;
    return list;
}

bool FakePlatform::fillName(const char* function, const std::optional<std::string>& name,
                            std::string& buffer, std::uint32_t& size) {
    record(std::string(function) + " " + n(size));
    if (!name || name->size() + 1 > size)
        return false;
    std::string filled = *name + '\0';
    if (filled.size() < buffer.size())
        filled += buffer.substr(filled.size());
    buffer = filled;
    size = static_cast<std::uint32_t>(name->size());
    return true;
}

bool FakePlatform::getComputerName(std::string& buffer, std::uint32_t& size) {
    return fillName("GetComputerNameA", machine_.computerName, buffer, size);
}

bool FakePlatform::getUserName(std::string& buffer, std::uint32_t& size) {
    return fillName("GetUserNameA", machine_.userName, buffer, size);
}

unsigned FakePlatform::getDriveType(const std::string& root) {
    record("GetDriveTypeA " + q(root));
    if (root.size() != 3 || root[1] != ':' || root[2] != '\\')
        return 1;
    auto it = machine_.driveTypes.find(root[0]);
    return it == machine_.driveTypes.end() ? 1 : it->second;
}

std::uint32_t FakePlatform::getVersion() {
    record("GetVersion");
    std::uint32_t v = (machine_.osMajor & 0xFF) | ((machine_.osMinor & 0xFF) << 8);
    if (machine_.ntFamily)
        v |= (machine_.osBuild & 0x7FFF) << 16;
    else
        v |= 0x80000000u;
    return v;
}

bool FakePlatform::getVersionEx(OsVersion& version) {
    record("GetVersionExA");
    version.major = machine_.osMajor;
    version.minor = machine_.osMinor;
    version.build = machine_.osBuild;
    version.platformId = machine_.ntFamily ? 2 : 1;
    return true;
}

ObjectHandle FakePlatform::getCurrentProcess() {
    record("GetCurrentProcess");
    return currentProcessPseudoHandle;
}

bool FakePlatform::openProcessToken(ObjectHandle process, std::uint32_t access,
                                    ObjectHandle& token) {
    record("OpenProcessToken " + h(process) + " " + n(access));
    token = fakeToken;
    return true;
}

bool FakePlatform::lookupPrivilegeValue(const std::string& systemName, const std::string& name,
                                        Luid& luid) {
    record("LookupPrivilegeValueA " + q(systemName) + " " + q(name));
    luid = {19, 0};
    return name == "SeShutdownPrivilege";
}

bool FakePlatform::adjustTokenPrivileges(ObjectHandle token, bool disableAll,
                                         const TokenPrivilege& privilege) {
    record("AdjustTokenPrivileges " + h(token) + " " + n(disableAll ? 1 : 0) + " 1 " +
           n(privilege.luid.lowPart) + " " + n(privilege.luid.highPart) + " " +
           n(privilege.attributes));
    return true;
}

void FakePlatform::closeHandle(ObjectHandle handle) {
    record("CloseHandle " + h(handle));
}

bool FakePlatform::exitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
    record("ExitWindowsEx " + n(flags) + " " + n(reason));
    return true;
}

std::string FakePlatform::shortDate(int year, int month, int day) {
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
    record(std::string("GetDateFormatA 1024 1 ") + date);
    return formatDatePicture(machine_.shortDatePicture, year, month, day);
}

void FakePlatform::beep() {
    record("MessageBeep 0");
}

bool FakePlatform::anotherInstanceRunning() {
    return machine_.anotherInstance;
}

std::string FakePlatform::specialFolder(const std::string& key) {
    record("WScript.Shell.SpecialFolders " + q(key));
    if (key == "Desktop" && !machine_.wshFolders.count(key))
        return machine_.desktop;
    auto it = machine_.wshFolders.find(key);
    return it == machine_.wshFolders.end() ? std::string() : it->second;
}

std::string FakePlatform::programDir() {
    return machine_.programDir;
}

std::string FakePlatform::programName() {
    return machine_.programName;
}

std::string FakePlatform::joinPath(const std::string& dir, const std::string& name) {
    return dir + "/" + name;
}

bool FakePlatform::fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(real(path), ec);
}

std::optional<std::string> FakePlatform::readFile(const std::string& path, std::size_t maxBytes) {
    // A folder opens as a stream on Linux; on Windows it cannot be read.
    std::error_code ec;
    if (!fs::is_regular_file(real(path), ec))
        return std::nullopt;
    std::ifstream in(real(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    // In pieces, as the file holds them: a buffer of maxBytes (1 MiB for the
    // settings) for every read of a small file costs more than the read.
    std::string bytes;
    char piece[1 << 14];
    while (bytes.size() < maxBytes && in) {
        in.read(piece,
                static_cast<std::streamsize>(std::min(sizeof piece, maxBytes - bytes.size())));
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    return bytes;
}

bool FakePlatform::replaceFile(const std::string& path, const std::string& bytes) {
    fs::path target = real(path);
    if (target.empty() || isProtected(path) || writeRefused(target))
        return false;
    fs::path temp = target;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace orvela::platform::fake
