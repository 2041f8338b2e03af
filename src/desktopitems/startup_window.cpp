#include "desktopitems/startup_window.h"

#include "common/file_type_filters.h"
#include "forms/runtime.h"

namespace orvela::desktopitems {

void StartupWindow::centre() {
    forms::Form& f = form1_.touch();
    const forms::Runtime& rt = f.runtime();
    f.move((rt.screenWidth() - f.width()) / 2, (rt.screenHeight() - f.height()) / 2, f.width(),
           f.height());
}

void StartupWindow::prepareList() {
    forms::Form& f = form1_.touch();
    forms::Control& combo = f.control("Combo1");
    combo.clearItems();
    for (const char* entry : common::fileTypeFilters)
        combo.addItem(entry);
    combo.setListIndex(0);
    forms::Control& list = f.control("ListView1");
    list.clearItems();
    for (const char* column : {"Имя", "Size", "type", "Created"})
        list.addItem(column);
    list.setSortKey(0);
    scan_.resetImageList();
}

void StartupWindow::findAndScanDesktop() {
    const std::string desktop = platform_.scripting.specialFolder("Desktop");
    desktopPath_ = desktop.empty() ? std::string() : platform_.files.joinPath(desktop, "");
    if (!desktopPath_.empty())
        scanDesktopFolder();
}

void StartupWindow::scanDesktopFolder() {
    scan_.scanDesktopFolder(desktopPath_, filterPattern());
}

void StartupWindow::refreshDesktopItems(int mode) {
    if (mode == 2) {
        form1_.unload();
        return;
    }
    scan_.resetImageList();
    if (mode == 0) {
        findAndScanDesktop();
    } else if (mode == 1 && !desktopPath_.empty()) {
        scanDesktopFolder();
    }
}

const std::string& StartupWindow::selectedFilter() const {
    static const std::string none;
    const forms::Control* combo = form1_.find("Combo1");
    if (!combo || combo->listIndex() < 0)
        return none;
    return combo->items()[static_cast<std::size_t>(combo->listIndex())];
}

std::string StartupWindow::filterPattern() const {
    const std::string& entry = selectedFilter();
    const std::size_t open = entry.find('('), close = entry.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return {};
    return entry.substr(open + 1, close - open - 1);
}

std::string StartupWindow::filterDescription() const {
    const std::string& entry = selectedFilter();
    return entry.substr(0, entry.find(" ("));
}

} // namespace orvela::desktopitems
