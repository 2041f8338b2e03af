// Win32Platform's standard dialogs and the shortcut object.
#include "win32/utf.h"
#include "win32/win32_platform.h"

namespace orvela::win32 {

int Win32Platform::messageBox(platform::WindowHandle owner, const std::string& text, unsigned style,
                              const std::string& title) {
    const auto wideText = toWide(text), wideTitle = toWide(title);
    if (!wideText || !wideTitle)
        return 0;
    return MessageBoxW(reinterpret_cast<HWND>(owner), wideText->c_str(), wideTitle->c_str(), style);
}

std::optional<std::string> Win32Platform::getOpenFileName(platform::WindowHandle,
                                                          const platform::OpenFileRequest&) {
    return std::nullopt; // the common dialog comes with the Options dialog's front end
}

platform::PictureLoad Win32Platform::loadPicture(const std::string& path) {
    if (!fileExists(path))
        return {53, "File not found"};
    return {};
}

bool Win32Platform::saveShortcut(const std::string&, const platform::Shortcut&) {
    return false; // the shortcut object comes with the Options dialog's front end
}

} // namespace orvela::win32
