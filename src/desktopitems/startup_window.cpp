#include "desktopitems/startup_window.h"

#include "forms/runtime.h"

namespace orvela::desktopitems {

namespace {
const char* const fileTypeFilters[] = {"All Files and Folders (*.*)",
                                       "Applications (*.exe)",
                                       "Device Drivers (*.drv)",
                                       "Documents (*.doc)",
                                       "Dynamic Link Libraries (*.dll)",
                                       "Rich Text Format Documents (*.rtf)",
                                       "System Files (*.sys)",
                                       "Visual Basic Modules (*.bas)",
                                       "Visual Basic Forms (*.frm)",
                                       "Visual Basic 3 Projects (*.mak)",
                                       "Visual Basic 4 Projects (*.vbp)",
                                       "Postscript Printer Font Metrics (*.pfm)",
                                       "Text Files (*.txt)",
                                       "True Type Fonts (*.ttf)",
                                       "Windows Help Files (*.hlp)",
                                       "Windows Shortcuts (*.lnk)"};
} // namespace

void StartupWindow::centre() {
    forms::Form& f = form1_.touch();
    const forms::Runtime& rt = f.runtime();
    f.move((rt.screenWidth() - f.width()) / 2, (rt.screenHeight() - f.height()) / 2, f.width(),
           f.height());
}

void StartupWindow::prepareList() {
    forms::Control& combo = form1_.touch().control("Combo1");
    combo.clearItems();
    for (const char* entry : fileTypeFilters)
        combo.addItem(entry);
    combo.setListIndex(0);
}

void StartupWindow::findAndScanDesktop() {
    const std::string desktop = platform_.scripting.specialFolder("Desktop");
    desktopPath_ = desktop.empty() ? std::string() : platform_.files.joinPath(desktop, "");
    if (!desktopPath_.empty())
        scanDesktopFolder();
}

// The enumeration itself comes with the desktop item table; until then the
// desktop shows no items and the main window loads when it is shown.
void StartupWindow::scanDesktopFolder() {}

} // namespace orvela::desktopitems
