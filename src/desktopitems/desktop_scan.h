// The scan of the desktop folder: every entry becomes a row of the start-up
// window's list view ListView1 (with its small icon in ImageList1), a slot
// of the item table, and for the first 100 the caption and icon pictures
// the main window shows. The main window loads at the scan's first write
// to one of its controls.
#pragma once

#include "desktopitems/item_layout.h"
#include "desktopitems/item_table.h"
#include "forms/form.h"
#include "platform/platform.h"

#include <functional>
#include <map>
#include <string>

namespace orvela::desktopitems {

class DesktopScan {
public:
    DesktopScan(platform::Platform& platform, forms::Form& form1, DesktopItemTable& table,
                ItemLayout& layout)
        : platform_(platform), form1_(form1), table_(table), layout_(layout) {}

    // Called with each item's type and creation date as it is read, for the
    // main window's information labels.
    using ItemShown = std::function<void(const std::string& type, const std::string& created)>;
    void onItemScanned(ItemShown shown) { itemShown_ = std::move(shown); }

    // Enumerates desktopPath (ending in a backslash) + pattern into the list
    // view, the image list and the table, then lays the items out.
    void scanDesktopFolder(const std::string& desktopPath, const std::string& pattern);
    // Empties ImageList1 but for the placeholder "dummy" (PixDummy's picture).
    bool resetImageList();
    // The number of items that got a slot by the last scan (0..100).
    int itemCount() const { return layout_.itemCount(); }

    // The text of a file time in the short date form; empty if Windows
    // cannot convert it. Only the date counts, in UTC as recorded.
    std::string formatFileDate(std::uint64_t fileTime);

private:
    struct TypeInfo {
        std::string type; // lower case
        int iconIndex = 0;
        platform::ImageListHandle imageList = 0;
        // ".ext" when the icon is the type's; empty for a file whose icon
        // is its own (programs, shortcuts, icon files) and for folders.
        std::string iconKey;
    };

    void addDesktopItem(const platform::FindData& found);
    TypeInfo lookUpType(const std::string& path, const std::string& name, std::uint32_t attributes);
    // The image list's picture of a file: a reference to the shell's icon
    // for it, drawn only if the list is ever shown (a desktop of thousands
    // of programs must not hold thousands of icons); none when the shell
    // had no image for it.
    static forms::Picture drawSystemIcon(const TypeInfo& info, const std::string& source);
    // A picture that owns the icon; none for no icon.
    forms::Picture iconToPicture(platform::IconHandle icon, const std::string& source);
    // The main window's picture of an item: its associated icon, or, for a
    // document without one, its type's icon from the system image list.
    forms::Picture itemPicture(const TypeInfo& info, const std::string& path);
    forms::Control& listView() { return form1_.touch().control("ListView1"); }
    forms::Control& imageList() { return form1_.touch().control("ImageList1"); }

    platform::Platform& platform_;
    forms::Form& form1_;
    DesktopItemTable& table_;
    ItemLayout& layout_;
    std::string desktopPath_;
    bool dosIconAdded_ = false;
    ItemShown itemShown_;
    // Type name and icon of ordinary files by extension (they depend on
    // nothing else), so a large desktop costs one shell lookup per type.
    std::map<std::string, TypeInfo> typesByExtension_;
    // The item picture of each such type, extracted once a scan (a new
    // scan may follow a new display dpi, and with it a new icon size).
    std::map<std::string, forms::Picture> iconsByExtension_;
};

} // namespace orvela::desktopitems
