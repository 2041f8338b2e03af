// Where the settings file of a run lives, decided once at start-up; every
// read and write of the run then goes to that one file.
//
// A program folder that takes files keeps ovdata.dat, as always. One that
// refuses them (Program Files for a standard user on Vista and later, where
// a 64-bit program gets no file virtualization) sends the settings to the
// per-user file %APPDATA%\Orvela\ovdata.dat. That file is made when missing:
// from the program folder's file when there is one (so a shipped file, or
// one left by an earlier run, is kept), otherwise with the new-file bytes.
// When Windows gives no application-data folder, or the per-user file
// cannot be made, the program folder's file stays the one: the program then
// runs as it does in a read-only folder, on what it can read.
#pragma once

#include "platform/file_services.h"

#include <string>

namespace orvela::shell {

std::string decideSettingsPath(platform::FileServices& files);

} // namespace orvela::shell
