// The display's dots per inch as the program reads it at start-up.
#pragma once

namespace orvela::win32 {

// GetDpiForSystem (Windows 10 1607 and later, looked up rather than linked),
// else GetDeviceCaps(LOGPIXELSX) of the screen; 0 when neither answers. A
// DPI-aware process gets the real value; Windows answers 96 to one that is
// not.
int systemDpi();

} // namespace orvela::win32
