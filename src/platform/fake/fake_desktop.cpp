// The fake's file searches, file information and icons: the real entries of
// a real folder, with type names and icons made up by fixed rules.
#include "platform/fake/fake_platform.h"
#include "platform/fake/text_format.h"
#include "platform/fake/utf8_path.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace orvela::platform::fake {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t attributeHidden = 0x2, attributeArchive = 0x20;
constexpr std::uint64_t fileTimeOf1970 = 116444736000000000ULL; // 100 ns steps from 1601
constexpr std::uintptr_t peProgram = 0x04000000 + 0x4550;       // Windows 4.0, "PE"

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::size_t lastSeparator(const std::string& path) {
    return path.find_last_of("/\\");
}

std::string fileName(const std::string& path) {
    std::size_t cut = lastSeparator(path);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// The extension after the last dot, lower case ("" for none).
std::string extension(const std::string& name) {
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : lower(name.substr(dot + 1));
}

// Case-insensitive wildcard match; "*.*" matches every name.
bool matches(const char* mask, const char* name) {
    if (*mask == '\0')
        return *name == '\0';
    if (*mask == '*')
        return matches(mask + 1, name) || (*name && matches(mask, name + 1));
    if (*name == '\0')
        return false;
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return (*mask == '?' || fold(*mask) == fold(*name)) && matches(mask + 1, name + 1);
}

std::string text(const fs::path& p) {
    std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

FindData entryData(const fs::directory_entry& entry) {
    FindData d;
    d.name = text(entry.path().filename());
    std::error_code ec;
    const bool folder = entry.is_directory(ec);
    d.attributes = folder ? fileAttributeDirectory : attributeArchive;
    if (!d.name.empty() && d.name[0] == '.')
        d.attributes |= attributeHidden;
    if (!folder) {
        std::uintmax_t size = entry.file_size(ec);
        if (!ec) {
            d.sizeHigh = static_cast<std::uint32_t>(size >> 32);
            d.sizeLow = static_cast<std::uint32_t>(size & 0xFFFFFFFFu);
        }
    }
    auto written = entry.last_write_time(ec);
    if (!ec) {
        auto since1970 = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::file_clock::to_sys(written).time_since_epoch())
                             .count();
        d.creationTime = fileTimeOf1970 + static_cast<std::uint64_t>(since1970) * 10;
    }
    return d;
}

// A Windows program: "MZ", then the "PE\0\0" header where e_lfanew points.
bool holdsPeHeader(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    char head[0x40] = {};
    if (!in.read(head, sizeof head) || head[0] != 'M' || head[1] != 'Z')
        return false;
    std::uint32_t offset = 0;
    std::memcpy(&offset, head + 0x3C, sizeof offset); // little-endian, as the hosts here
    char pe[4] = {};
    in.seekg(offset);
    return in.read(pe, sizeof pe) && std::memcmp(pe, "PE\0\0", 4) == 0;
}

// Days since 1601-01-01 to a civil date (Howard Hinnant's algorithm, shifted).
void civilFromDays1601(std::int64_t days, int& year, int& month, int& day) {
    std::int64_t z = days - 134774 + 719468; // 1601-01-01 is 134774 days before 1970
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

} // namespace

FindHandle FakePlatform::findFirstFile(const std::string& pattern, FindData& data) {
    record("FindFirstFileA " + quoteText(pattern));
    std::size_t cut = lastSeparator(pattern);
    const std::string dir = cut == std::string::npos ? "." : pattern.substr(0, cut);
    const std::string mask = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
    std::error_code ec;
    fs::directory_iterator it(real(dir), ec);
    if (ec)
        return 0;
    std::vector<FindData> found;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        FindData d = entryData(*it);
        if (machine_.fileTime)
            d.creationTime = *machine_.fileTime;
        if (mask == "*.*" || matches(mask.c_str(), d.name.c_str()))
            found.push_back(std::move(d));
    }
    std::sort(found.begin(), found.end(),
              [](const FindData& a, const FindData& b) { return a.name < b.name; });
    std::deque<FindData> entries;
    for (const char* dots : {".", ".."})
        if (mask == "*.*" || matches(mask.c_str(), dots))
            entries.push_back({fileAttributeDirectory, 0, 0, 0, dots});
    entries.insert(entries.end(), found.begin(), found.end());
    if (entries.empty())
        return 0;
    data = entries.front();
    entries.pop_front();
    FindHandle search = nextSearch_++;
    searches_[search] = std::move(entries);
    return search;
}

bool FakePlatform::findNextFile(FindHandle search, FindData& data) {
    record("FindNextFileA " + std::to_string(search));
    auto it = searches_.find(search);
    if (it == searches_.end() || it->second.empty())
        return false;
    data = std::move(it->second.front());
    it->second.pop_front();
    return true;
}

void FakePlatform::findClose(FindHandle search) {
    record("FindClose " + std::to_string(search));
    searches_.erase(search);
}

bool FakePlatform::fileTimeToSystemTime(std::uint64_t fileTime, SystemTime& time) {
    record("FileTimeToSystemTime " + std::to_string(fileTime));
    if (fileTime >= 0x8000000000000000ULL)
        return false;
    constexpr std::uint64_t perDay = 864000000000ULL;
    const auto days = static_cast<std::int64_t>(fileTime / perDay);
    std::uint64_t rest = fileTime % perDay;
    civilFromDays1601(days, time.year, time.month, time.day);
    time.dayOfWeek = static_cast<int>((days + 1) % 7); // 1601-01-01 was a Monday
    time.milliseconds = static_cast<int>(rest / 10000 % 1000);
    rest /= 10000000;
    time.second = static_cast<int>(rest % 60);
    time.minute = static_cast<int>(rest / 60 % 60);
    time.hour = static_cast<int>(rest / 3600);
    return true;
}

std::uintptr_t FakePlatform::getFileInfo(const std::string& path, std::uint32_t attributes,
                                         unsigned flags, FileInfo& info) {
    record("SHGetFileInfoA " + quoteText(path) + " " + std::to_string(attributes) + " " +
           std::to_string(flags));
    const std::string name = fileName(path);
    const std::string ext = extension(name);
    std::error_code ec;
    bool folder = (attributes & fileAttributeDirectory) != 0;
    if (!(flags & shgfiUseFileAttributes)) {
        if (!fs::exists(real(path), ec))
            return 0;
        folder = fs::is_directory(real(path), ec);
    }
    if (flags == shgfiExeType)
        return !folder && ext == "exe" && holdsPeHeader(real(path)) ? peProgram : 0;

    std::string type;
    if (folder)
        type = "File Folder";
    else if (auto own = machine_.typeNames.find(ext); own != machine_.typeNames.end())
        type = own->second;
    else if (ext == "exe")
        type = "Application";
    else if (ext == "lnk")
        type = "Shortcut";
    else
        type = ext.empty() ? "File" : upper(ext) + " File";
    if (flags & shgfiTypeName)
        info.typeName = type;
    if (flags & shgfiDisplayName)
        info.displayName = name;
    if (flags & shgfiSysIconIndex) {
        // Programs and shortcuts have icons of their own; other files share their type's.
        const std::string key = !folder && (ext == "exe" || ext == "lnk") ? path : type;
        auto [it, added] = iconIndexes_.emplace(key, static_cast<int>(iconIndexes_.size()) + 1);
        info.iconIndex = it->second;
        return systemImageList;
    }
    return 1;
}

IconHandle FakePlatform::extractAssociatedIcon(const std::string& path, int index) {
    record("ExtractAssociatedIconA 4194304 " + quoteText(path) + " " + std::to_string(index));
    std::error_code ec;
    if (!fs::exists(real(path), ec))
        return 0;
    IconHandle icon = nextIcon_++;
    icons_[icon] = path;
    return icon;
}

IconHandle FakePlatform::imageListIcon(ImageListHandle list, int index) {
    record("ImageList_GetIcon " + std::to_string(list) + " " + std::to_string(index) + " 1");
    if (list != systemImageList || index < 0)
        return 0;
    IconHandle icon = nextIcon_++;
    icons_[icon] = "system image " + std::to_string(index);
    return icon;
}

PictureHandle FakePlatform::createIconPicture(IconHandle icon) {
    record("OleCreatePictureIndirect 20 3 " + std::to_string(icon) + " 1");
    if (!icons_.erase(icon))
        return 0;
    return nextPicture_++;
}

} // namespace orvela::platform::fake
