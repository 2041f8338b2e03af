// The file-type filter list of the start-up window's Combo1, which the
// installer's hidden Combo1 repeats: 16 entries, "All Files and Folders
// (*.*)" first. An entry's pattern stands in parentheses after its
// description.
#pragma once

namespace orvela::common {

inline constexpr const char* fileTypeFilters[] = {"All Files and Folders (*.*)",
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

} // namespace orvela::common
