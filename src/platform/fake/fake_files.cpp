// The fake's file operations beyond reading and writing whole files:
// folders, deleting and copying, on real folders, with drive letters mapped
// to real folders. The shell-level operations are recorded.
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shortcut.h"
#include "platform/fake/text_format.h"
#include "platform/fake/utf8_path.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace orvela::platform::fake {

namespace fs = std::filesystem;

std::optional<fs::path> FakePlatform::hostPath(const std::string& path) const {
    std::string rest = path;
    std::string root;
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        const char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        auto it = machine_.driveRoots.find(drive);
        if (it == machine_.driveRoots.end())
            return std::nullopt;
        root = it->second;
        rest = path.substr(2);
        if (rest.empty() || (rest[0] != '\\' && rest[0] != '/'))
            rest = "/" + rest;
    }
    for (char& c : rest)
        if (c == '\\')
            c = '/';
    return utf8Path(root + rest);
}

namespace {

// A Windows path compared as Windows compares it: ASCII case and the kind
// of separator ignored, without trailing separators.
std::string pathKey(const std::string& path) {
    std::string key;
    for (char c : path)
        key += c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

} // namespace

bool FakePlatform::isProtected(const std::string& path) const {
    const std::string key = pathKey(path);
    for (const std::string& folder : machine_.protectedFolders) {
        const std::string top = pathKey(folder);
        if (key == top || key.rfind(top + "\\", 0) == 0)
            return true;
    }
    return false;
}

bool FakePlatform::writeRefused(const fs::path& p) const {
    if (!machine_.readOnlyProgramDir || p.empty())
        return false;
    std::error_code ec;
    const fs::path base = fs::weakly_canonical(utf8Path(machine_.programDir), ec);
    const fs::path target = fs::weakly_canonical(p, ec);
    const auto [b, t] = std::mismatch(base.begin(), base.end(), target.begin(), target.end());
    return b == base.end() || (std::next(b) == base.end() && b->empty());
}

std::optional<std::string> FakePlatform::appDataDir() {
    return machine_.appDataDir;
}

bool FakePlatform::folderTakesFiles(const std::string& dir) {
    const fs::path folder = real(dir);
    std::error_code ec;
    if (folder.empty() || writeRefused(folder) || !fs::is_directory(folder, ec))
        return false;
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path probe = folder / (".orvela-probe-" + std::to_string(entropy()));
        // A random name not yet taken, so no file of the user's is touched.
        if (fs::exists(probe, ec))
            continue;
        if (!std::ofstream(probe, std::ios::binary))
            return false;
        return fs::remove(probe, ec) && !ec;
    }
    return false;
}

bool FakePlatform::directoryExists(const std::string& path) {
    std::error_code ec;
    const fs::path p = real(path);
    return !p.empty() && fs::is_directory(p, ec);
}

FileResult FakePlatform::createDirectory(const std::string& path) {
    record("CreateDirectory " + quoteText(path));
    if (isProtected(path))
        return FileResult::failed(FileError::accessDenied);
    fs::path p = real(path);
    std::error_code ec;
    if (!p.empty() && !p.has_filename())
        p = p.parent_path(); // "D:\Orvela\" names the folder Orvela
    if (writeRefused(p))
        return FileResult::failed(FileError::accessDenied);
    if (p.empty() || !fs::is_directory(p.parent_path(), ec))
        return FileResult::failed(FileError::notFound);
    if (!fs::create_directory(p, ec) || ec)
        return FileResult::failed(FileError::other);
    return FileResult::ok();
}

bool FakePlatform::removeDirectory(const std::string& path) {
    record("RemoveDirectory " + quoteText(path));
    if (isProtected(path))
        return false;
    const fs::path p = real(path);
    std::error_code ec;
    if (p.empty() || writeRefused(p) || !fs::is_directory(p, ec) || !fs::is_empty(p, ec))
        return false;
    return fs::remove(p, ec) && !ec;
}

bool FakePlatform::deleteFile(const std::string& path, bool force) {
    record("DeleteFile " + quoteText(path) + (force ? " True" : " False"));
    if (isProtected(path))
        return false;
    const fs::path p = real(path);
    std::error_code ec;
    if (p.empty() || writeRefused(p) || !fs::is_regular_file(p, ec))
        return false;
    const fs::perms perms = fs::status(p, ec).permissions();
    if (!force && (perms & fs::perms::owner_write) == fs::perms::none)
        return false;
    return fs::remove(p, ec) && !ec;
}

FileResult FakePlatform::copyFile(const std::string& from, const std::string& to) {
    record("CopyFile " + quoteText(from) + " " + quoteText(to));
    const fs::path source = real(from), target = real(to);
    std::error_code ec;
    if (source.empty() || !fs::is_regular_file(source, ec))
        return FileResult::failed(FileError::notFound);
    if (isProtected(to) || writeRefused(target))
        return FileResult::failed(FileError::accessDenied);
    if (target.empty() || !fs::is_directory(target.parent_path(), ec))
        return FileResult::failed(FileError::notFound);
    if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec) || ec)
        return FileResult::failed(FileError::other);
    return FileResult::ok();
}

bool FakePlatform::saveShortcut(const std::string& path, const Shortcut& shortcut) {
    record("CreateShortCut " + quoteText(path));
    if (isProtected(path))
        return false;
    const fs::path p = real(path);
    std::error_code ec;
    if (p.empty() || writeRefused(p) || !fs::is_directory(p.parent_path(), ec))
        return false;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << renderShortcut(shortcut);
    return static_cast<bool>(out.flush());
}

std::optional<std::string> FakePlatform::shortcutTarget(const std::string& path) {
    record("IShellLinkW.GetPath " + quoteText(path));
    const fs::path p = real(path);
    std::error_code ec;
    if (p.empty() || !fs::is_regular_file(p, ec))
        return std::nullopt;
    std::ifstream in(p, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto shortcut = parseShortcut(bytes);
    if (!shortcut)
        return std::nullopt;
    return shortcut->targetPath;
}

} // namespace orvela::platform::fake
