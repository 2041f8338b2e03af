// The one failure report of the three programs. An exception that escapes
// an event handler, a sync of the windows or the start-up is written to the
// debug output ("orvela: event failed: ...", where a debugger, DebugView or
// Wine's debug channels show it); a start-up that fails also says why in a
// message box ("Orvela could not start: ..."), so a program never ends
// without a trace.
#pragma once

#include <string>

namespace orvela::win32 {

// The text of the exception being handled: its what(), or "unknown
// exception". Only inside a catch block.
std::string currentFailure();
// The debug output line of a failure: "orvela: <where> failed: <what>\n".
std::wstring failureLine(const std::string& where, const std::string& what);
// The message of a start-up that failed: "<program> could not start: <what>".
std::wstring startFailureText(const std::wstring& program, const std::string& what);

// Inside a catch block: writes the failure line of the exception being
// handled to the debug output.
void reportFailure(const char* where);
// Inside a catch block: writes the "start" failure line and shows the
// start-up failure in a message box titled program. Returns 1, the exit code
// of a program that could not start.
int reportStartFailure(const std::wstring& program);

} // namespace orvela::win32
