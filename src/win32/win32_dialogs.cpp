// Win32Platform's standard dialogs and the picture-file check.
#include "win32/full_path.h"
#include "win32/shell_texts.h"
#include "win32/utf.h"
#include "win32/win32_platform.h"

#include <commdlg.h>
#include <olectl.h>

namespace orvela::win32 {

namespace {

// The wide form of a text Windows is to receive NUL-terminated; nothing if it
// cannot hold it (not UTF-8, or a NUL inside).
std::optional<std::wstring> wideArgument(const std::string& text) {
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    return toWide(text);
}

// Room for the chosen path: long paths ("\\?\" names) reach 32767 characters.
constexpr DWORD fileNameRoom = 32768;

// The window a dialog belongs to: the one given, or for none the active
// window of this thread (the dialog whose button asked), so the box is
// modal to it and comes up above it.
HWND ownerWindow(platform::WindowHandle owner) {
    return owner ? reinterpret_cast<HWND>(owner) : GetActiveWindow();
}

} // namespace

int Win32Platform::messageBox(platform::WindowHandle owner, const std::string& text, unsigned style,
                              const std::string& title) {
    const auto wideText = wideArgument(text), wideTitle = wideArgument(title);
    if (!wideText || !wideTitle)
        return 0;
    return MessageBoxW(ownerWindow(owner), wideText->c_str(), wideTitle->c_str(), style);
}

std::optional<std::string>
Win32Platform::getOpenFileName(platform::WindowHandle owner,
                               const platform::OpenFileRequest& request) {
    const auto initialDir = wideArgument(request.initialDir);
    const auto classicFilter = wideArgument(request.filter);
    if (!initialDir || !classicFilter)
        return std::nullopt;
    const std::wstring directory = withBackslashes(*initialDir);
    const std::wstring filter = openFileFilter(*classicFilter);
    std::wstring file(fileNameRoom, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(OPENFILENAMEW);
    dialog.hwndOwner = ownerWindow(owner);
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = request.filterIndex > 0 ? static_cast<DWORD>(request.filterIndex) : 0;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = fileNameRoom;
    dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
    dialog.Flags =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt; // cancelled, or the dialog failed
    file.resize(std::wstring_view(file.c_str()).size());
    if (file.empty())
        return std::nullopt;
    return toUtf8(file);
}

platform::PictureLoad Win32Platform::loadPicture(const std::string& path) {
    const platform::PictureLoad notFound{53, "File not found"};
    const auto widePath = wideArgument(path);
    if (!widePath || widePath->empty())
        return notFound;
    const DWORD attributes = GetFileAttributesW(widePath->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return notFound;
    // The loader takes a path as a moniker: a relative one does not resolve.
    const auto full = fullPathOf(*widePath);
    IPicture* picture = nullptr;
    if (!full ||
        FAILED(OleLoadPicturePath(const_cast<LPOLESTR>(full->c_str()), nullptr, 0, 0, IID_IPicture,
                                  reinterpret_cast<void**>(&picture))) ||
        !picture)
        return {481, "Invalid picture"};
    picture->Release();
    return {};
}

} // namespace orvela::win32
