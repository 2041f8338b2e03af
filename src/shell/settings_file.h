// The settings file ovdata.dat (in the program folder, or the per-user file
// when that folder takes no files: settings_location.h): 21 lines ended by CR LF,
// lines 12..20 holding the nine stored fields of the settings record, the
// other lines reserved and carried through a rewrite.
//
// Reading accepts CR LF, LF and lone CR as line ends, reads at most the first
// 1 MiB and the first 21 lines; later lines are ignored and a rewrite drops
// them (the program writes exactly 21 lines). Bytes are kept as they are: a
// value that is no number converts to 0 where it is used.
#pragma once

#include "platform/file_services.h"
#include "shell/desktop_settings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace orvela::shell {

inline constexpr const char* settingsFileName = "ovdata.dat";
inline constexpr std::size_t settingsLineCount = 21;
inline constexpr std::size_t settingsReadLimit = 1 << 20;
inline constexpr std::size_t settingsFirstStoredSlot = 11; // file line 12
inline constexpr std::size_t settingsMaxTextLength = 30;

using SettingsSlots = std::array<std::string, settingsLineCount>;

// The first 21 lines of a file's bytes, line ends removed; missing lines empty.
SettingsSlots splitSettingsLines(const std::string& bytes);
// The text with every double-quote character removed.
std::string removeQuotes(std::string text);
// The bytes of a new settings file.
std::string defaultSettingsFileBytes();
// The bytes a rewrite produces from slots: a text longer than 30 characters
// becomes a single blank, quotes are removed, each line is written quoted.
std::string renderSettingsFile(const SettingsSlots& slots);

// The load, read and save procedures on the real file.
class SettingsFile {
public:
    SettingsFile(platform::FileServices& files, DesktopSettings& settings)
        : files_(files), settings_(settings) {}

    // The file of this run: decided the first time it is asked for (the
    // first step of loadSettings), then the same for every read and write.
    const std::string& path();
    // Creates the file with the defaults if missing, then reads it.
    void loadSettings();
    // Writes a new file; false if it could not be written.
    bool createDefaultSettingsFile();
    // Fills the stored values and their copies from the file. A file that
    // cannot be read gives the values of a new file, so the program runs on
    // the defaults.
    void readSettingsFile();
    // Writes the stored fields into the file, carrying the reserved lines
    // through. False (and the file as it was) if it could not be written.
    bool saveSettingsFile();

private:
    void assignFromSlots(const SettingsSlots& slots);

    platform::FileServices& files_;
    DesktopSettings& settings_;
    std::optional<std::string> path_;
};

} // namespace orvela::shell
