#include "cmd_self_removal.h"

#include "win32/utf.h"

#include <windows.h>

namespace orvela::uninstall {

namespace {

// What cmd.exe /c runs: wait, delete, wait, delete again, remove the folder
// (rd without /s: only an empty one goes; none for the empty text). Nothing
// quoted starts the line, so cmd.exe keeps every quote.
std::wstring removalCommand(const std::wstring& file, const std::wstring& folder) {
    const std::wstring wait = L"ping -n 2 127.0.0.1 >nul & ";
    const std::wstring remove = L"del /f /q \"" + file + L"\" 2>nul";
    std::wstring command = wait + remove + L" & ping -n 3 127.0.0.1 >nul & " + remove;
    if (!folder.empty())
        command += L" & rd \"" + folder + L"\" 2>nul";
    return command;
}

} // namespace

bool CmdSelfRemoval::removeAfterExit(const std::string& file, const std::string& folder) {
    const auto wideFile = win32::toWide(file), wideFolder = win32::toWide(folder);
    if (!wideFile || !wideFolder || file.find_first_of("%\"") != std::string::npos ||
        folder.find_first_of("%\"") != std::string::npos)
        return false;
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    const std::wstring systemDir(system, length);
    const std::wstring cmd = systemDir + L"\\cmd.exe";
    std::wstring line =
        L"\"" + cmd + L"\" /d /q /v:off /c " + removalCommand(*wideFile, *wideFolder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Started in the system folder: a helper standing in the program folder
    // would keep it from being removed.
    if (!CreateProcessW(cmd.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, systemDir.c_str(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace orvela::uninstall
