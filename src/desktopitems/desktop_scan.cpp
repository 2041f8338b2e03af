#include "desktopitems/desktop_scan.h"

#include "common/path_text.h"
#include "desktopitems/scan_text.h"

#include <algorithm>
#include <array>

namespace orvela::desktopitems {

using common::trimNull;

namespace {

constexpr int maxSlots = DesktopItemTable::slotCount;
constexpr std::uint32_t attributeNormal = 0x80;
// Type and icon of one file: SHGFI_SYSICONINDEX | TYPENAME | DISPLAYNAME |
// SHELLICONSIZE. The executable type is asked alone: combined with other
// flags SHGetFileInfo answers nothing.
constexpr unsigned typeFlags = platform::shgfiSysIconIndex | platform::shgfiTypeName |
                               platform::shgfiDisplayName | platform::shgfiShellIconSize;

// Files whose icon is their own rather than their type's.
constexpr std::array ownIconExtensions = {"exe", "lnk", "ico", "cur", "ani", "pif",
                                          "url", "scr", "cpl", "msc", "com"};

bool isProgramType(const std::string& type) {
    return type == "application" || type == "приложение";
}
bool isShortcutType(const std::string& type) {
    return type == "shortcut" || type == "ярлык";
}

} // namespace

std::string DesktopScan::formatFileDate(std::uint64_t fileTime) {
    platform::SystemTime t;
    if (!platform_.system.fileTimeToSystemTime(fileTime, t))
        return {};
    return platform_.system.shortDate(t.year, t.month, t.day);
}

bool DesktopScan::resetImageList() {
    forms::Control& images = imageList();
    images.clearImages();
    images.addImage("dummy", form1_.control("PixDummy").picture());
    return true;
}

forms::Picture DesktopScan::iconToPicture(platform::IconHandle icon, const std::string& source) {
    if (!icon)
        return {};
    platform::PictureHandle picture = platform_.shell.createIconPicture(icon);
    return picture ? forms::Picture::platformIcon(picture, source) : forms::Picture{};
}

forms::Picture DesktopScan::drawSystemIcon(const TypeInfo& info, const std::string& source) {
    return info.imageList ? forms::Picture::icon(source) : forms::Picture{};
}

forms::Picture DesktopScan::itemPicture(const TypeInfo& info, const std::string& path) {
    // An ordinary document's icon is its type's: extracted for the first
    // file of each extension only (a hundred documents, five extractions).
    if (!info.iconKey.empty())
        if (auto known = iconsByExtension_.find(info.iconKey); known != iconsByExtension_.end())
            return known->second;
    forms::Picture picture;
    if (platform::IconHandle icon = platform_.shell.extractAssociatedIcon(path, 0))
        picture = iconToPicture(icon, path);
    else if (info.imageList)
        picture =
            iconToPicture(platform_.shell.imageListIcon(info.imageList, info.iconIndex), path);
    if (!info.iconKey.empty())
        iconsByExtension_[info.iconKey] = picture;
    return picture;
}

DesktopScan::TypeInfo DesktopScan::lookUpType(const std::string& path, const std::string& name,
                                              std::uint32_t attributes) {
    const bool folder = (attributes & platform::fileAttributeDirectory) != 0;
    const std::string ext = folder ? std::string("\\folder") : extensionOf(name);
    const bool ownIcon = !folder && std::find(ownIconExtensions.begin(), ownIconExtensions.end(),
                                              ext) != ownIconExtensions.end();
    if (!ownIcon) {
        if (auto known = typesByExtension_.find(ext); known != typesByExtension_.end())
            return known->second;
    }
    platform::FileInfo info;
    TypeInfo type;
    type.imageList = ownIcon
                         ? platform_.shell.getFileInfo(path, 0, typeFlags, info)
                         : platform_.shell.getFileInfo(
                               path, folder ? platform::fileAttributeDirectory : attributeNormal,
                               typeFlags | platform::shgfiUseFileAttributes, info);
    type.type = lowerCase(trimNull(info.typeName));
    type.iconIndex = info.iconIndex;
    if (!ownIcon) {
        // Folders keep one each: a folder may have an icon of its own.
        if (!folder && !isProgramType(type.type) && !isShortcutType(type.type))
            type.iconKey = "." + ext; // never empty, also for no extension
        typesByExtension_[ext] = type;
    }
    return type;
}

void DesktopScan::addDesktopItem(const platform::FindData& found) {
    const std::string name = trimNull(found.name);
    if (name == "." || name == "..")
        return;
    const std::string display = displayNameOf(name);
    forms::Control& rows = listView();
    if (rows.rows().size() < static_cast<std::size_t>(maxSlots))
        layout_.setItemCaption(static_cast<int>(rows.rows().size()) + 1, display);

    const std::string path = desktopPath_ + name;
    const TypeInfo info = lookUpType(path, name, found.attributes);
    std::string key = info.type;
    forms::Control& images = imageList();
    auto addDrawn = [&](const std::string& imageKey) {
        forms::Picture picture = drawSystemIcon(info, path);
        if (!picture.isNone())
            images.addImage(imageKey, picture);
    };
    if (isProgramType(info.type) || isShortcutType(info.type)) {
        unsigned high = 1;
        if (isProgramType(info.type)) {
            platform::FileInfo unused;
            const std::uintptr_t exe =
                platform_.shell.getFileInfo(path, 0, platform::shgfiExeType, unused);
            high = static_cast<unsigned>((exe >> 16) & 0xFFFF);
        }
        if (!isShortcutType(info.type) && high < 1) {
            key = "DOSExeIcon";
            if (!dosIconAdded_) {
                addDrawn(key);
                dosIconAdded_ = true;
            }
        } else {
            key = name;
            addDrawn(key);
        }
    }
    if (!images.hasImage(key)) {
        // The first file of an ordinary type brings its type's image. An
        // image that cannot be drawn leaves the row with the placeholder.
        addDrawn(info.type);
        if (!images.hasImage(key))
            key = "dummy";
    }
    const std::uint64_t size = (static_cast<std::uint64_t>(found.sizeHigh) << 32) | found.sizeLow;
    const std::string sizeText = formatFileSize(size);
    const std::string created = formatFileDate(found.creationTime);
    rows.addRow({lowerCase(name), {sizeText, info.type, created}, key});

    const int n = static_cast<int>(rows.rows().size());
    if (n > maxSlots)
        return;
    const forms::Picture picture = itemPicture(info, path);
    layout_.setItemPicture(n, picture);
    table_.set(ItemField::DisplayName, n, display);
    table_.set(ItemField::TypeName, n, info.type);
    table_.set(ItemField::FullPath, n, path);
    table_.set(ItemField::Created, n, created);
    table_.set(ItemField::Unused, n, "");
    table_.set(ItemField::Size, n, sizeText);
    table_.set(ItemField::FileName, n, name);
    if (itemShown_)
        itemShown_(info.type, created);
}

void DesktopScan::scanDesktopFolder(const std::string& desktopPath, const std::string& pattern) {
    desktopPath_ = desktopPath;
    iconsByExtension_.clear();
    forms::Form& f = form1_.touch();
    if (!pattern.empty() && !desktopPath_.empty()) {
        const std::string search = desktopPath_ + pattern;
        f.control("DisplayName").setCaption(search);
        listView().clearRows();
        table_.clear();
        platform::FindData found;
        platform::FindHandle handle = platform_.files.findFirstFile(search, found);
        if (handle) {
            do
                addDesktopItem(found);
            while (platform_.files.findNextFile(handle, found));
            platform_.files.findClose(handle);
        }
    }
    const std::size_t images = imageList().images().size();
    const std::size_t m = images > 0 ? images - 1 : 0;
    f.control("LbIconCount")
        .setCaption("The ImageList for this target file type view contains " + std::to_string(m) +
                    (m > 1 ? " different images." : " image."));
    const std::size_t rows = listView().rows().size();
    f.control("LbItemCount").setCaption(std::to_string(rows) + " files");
    dosIconAdded_ = false;
    f.control("itco").setCaption(std::to_string(rows));
    layout_.layoutDesktopItems(static_cast<int>(std::min<std::size_t>(rows, maxSlots)));
}

} // namespace orvela::desktopitems
