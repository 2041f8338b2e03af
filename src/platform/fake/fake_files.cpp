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

bool FakePlatform::createDirectory(const std::string& path) {
    record("CreateDirectory " + quoteText(path));
    const fs::path p = real(path);
    std::error_code ec;
    return !p.empty() && !writeRefused(p) && fs::create_directory(p, ec) && !ec;
}

bool FakePlatform::removeDirectory(const std::string& path) {
    record("RemoveDirectory " + quoteText(path));
    const fs::path p = real(path);
    std::error_code ec;
    if (p.empty() || writeRefused(p) || !fs::is_directory(p, ec) || !fs::is_empty(p, ec))
        return false;
    return fs::remove(p, ec) && !ec;
}

bool FakePlatform::deleteFile(const std::string& path, bool force) {
    record("DeleteFile " + quoteText(path) + (force ? " True" : " False"));
    const fs::path p = real(path);
    std::error_code ec;
    if (p.empty() || writeRefused(p) || !fs::is_regular_file(p, ec))
        return false;
    const fs::perms perms = fs::status(p, ec).permissions();
    if (!force && (perms & fs::perms::owner_write) == fs::perms::none)
        return false;
    return fs::remove(p, ec) && !ec;
}

bool FakePlatform::copyFile(const std::string& from, const std::string& to) {
    record("CopyFile " + quoteText(from) + " " + quoteText(to));
    const fs::path source = real(from), target = real(to);
    std::error_code ec;
    if (source.empty() || target.empty() || writeRefused(target) ||
        !fs::is_regular_file(source, ec))
        return false;
    return fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec) && !ec;
}

bool FakePlatform::saveShortcut(const std::string& path, const Shortcut& shortcut) {
    record("CreateShortCut " + quoteText(path));
    const fs::path p = real(path);
    std::error_code ec;
    if (p.empty() || writeRefused(p) || !fs::is_directory(p.parent_path(), ec))
        return false;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << renderShortcut(shortcut);
    return static_cast<bool>(out.flush());
}

} // namespace orvela::platform::fake
