#include "win32/failure_report.h"

#include "win32/utf.h"

#include <windows.h>

#include <exception>

namespace orvela::win32 {

namespace {

// UTF-8 as UTF-16; a text that is no UTF-8 (a system message in the ANSI
// code page) byte by byte, so that the report still says something.
std::wstring reportText(const std::string& text) {
    if (std::optional<std::wstring> converted = toWide(text))
        return *converted;
    std::wstring bytes;
    for (unsigned char c : text)
        bytes += static_cast<wchar_t>(c);
    return bytes;
}

} // namespace

std::string currentFailure() {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown exception";
    }
}

std::wstring failureLine(const std::string& where, const std::string& what) {
    return L"orvela: " + reportText(where) + L" failed: " + reportText(what) + L"\n";
}

std::wstring startFailureText(const std::wstring& program, const std::string& what) {
    return program + L" could not start: " + reportText(what);
}

void reportFailure(const char* where) {
    OutputDebugStringW(failureLine(where, currentFailure()).c_str());
}

int reportStartFailure(const std::wstring& program) {
    const std::string what = currentFailure();
    OutputDebugStringW(failureLine("start", what).c_str());
    MessageBoxW(nullptr, startFailureText(program, what).c_str(), program.c_str(),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    return 1;
}

} // namespace orvela::win32
