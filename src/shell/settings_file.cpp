#include "shell/settings_file.h"

#include "shell/settings_location.h"

#include <algorithm>

namespace orvela::shell {

SettingsSlots splitSettingsLines(const std::string& bytes) {
    SettingsSlots slots;
    std::size_t line = 0, pos = 0;
    const std::size_t end = std::min(bytes.size(), settingsReadLimit);
    while (pos < end && line < settingsLineCount) {
        std::size_t stop = pos;
        while (stop < end && bytes[stop] != '\r' && bytes[stop] != '\n')
            ++stop;
        slots[line++] = bytes.substr(pos, stop - pos);
        if (stop < end && bytes[stop] == '\r') {
            ++stop;
            if (stop < end && bytes[stop] == '\n')
                ++stop;
        } else if (stop < end) {
            ++stop; // a lone LF
        }
        pos = stop;
    }
    return slots;
}

std::string removeQuotes(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

std::string defaultSettingsFileBytes() {
    std::string out;
    for (int i = 0; i < 11; ++i)
        out += "\r\n";
    for (const char* value : {"1", "5", "\"English\"", "1", "1", "0", "1", "15", "0", ""}) {
        out += value;
        out += "\r\n";
    }
    return out;
}

std::string renderSettingsFile(const SettingsSlots& slots) {
    std::string out;
    for (const std::string& slot : slots) {
        // Measured without its quotes, as it is read back, so a text of 30
        // characters stays and a second save keeps the file byte for byte.
        std::string text = removeQuotes(slot);
        if (text.size() > settingsMaxTextLength)
            text = " ";
        out += '"' + text + "\"\r\n";
    }
    return out;
}

const std::string& SettingsFile::path() {
    if (!path_)
        path_ = decideSettingsPath(files_);
    return *path_;
}

void SettingsFile::loadSettings() {
    if (!files_.fileExists(path()))
        createDefaultSettingsFile();
    readSettingsFile();
}

bool SettingsFile::createDefaultSettingsFile() {
    return files_.replaceFile(path(), defaultSettingsFileBytes());
}

void SettingsFile::readSettingsFile() {
    auto bytes = files_.readFile(path(), settingsReadLimit);
    assignFromSlots(splitSettingsLines(bytes ? *bytes : defaultSettingsFileBytes()));
}

void SettingsFile::assignFromSlots(const SettingsSlots& raw) {
    std::array<std::string, DesktopSettings::storedCount> texts;
    for (std::size_t f = 0; f < texts.size(); ++f)
        texts[f] = removeQuotes(raw[settingsFirstStoredSlot + f]);
    settings_.assignStored(texts);
    settings_.update([](SettingsValues& v) {
        v.openedVariant = v.variant;
        v.committedStars = v.starsOn;
        v.configuredStep = v.stripStep;
    });
}

bool SettingsFile::saveSettingsFile() {
    auto bytes = files_.readFile(path(), settingsReadLimit);
    SettingsSlots slots = splitSettingsLines(bytes ? *bytes : std::string());
    const auto texts = settings_.storedTexts();
    for (std::size_t f = 0; f < texts.size(); ++f)
        slots[settingsFirstStoredSlot + f] = texts[f];
    return files_.replaceFile(path(), renderSettingsFile(slots));
}

} // namespace orvela::shell
