// The settings file ovdata.dat, read and saved as the program does: whatever
// the file holds, a save writes 21 lines ended by CR LF, each a text between
// double quotes with no quote inside and at most 30 bytes long; the lines
// keep what was read (the stored fields from the record, the reserved lines
// from the file), a text longer than 30 bytes becoming a single blank; what
// was saved reads back as saved; a second save keeps the file byte for
// byte; and a save that cannot be written leaves the old file whole. In a
// read-only program folder the same holds for the per-user file, made from
// the program folder's bytes, and the program folder's file stays as it was.

#include "desktopitems/form1_design.h"
#include "forms/runtime.h"
#include "fuzz_support.h"
#include "shell/desktop_settings.h"
#include "shell/settings_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace orvela;

// A program folder and an application-data folder of whole files in memory.
// The program folder takes files unless it is read-only (Program Files for
// a standard user); refuseWrites refuses every write.
class MemoryFiles final : public platform::FileServices {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    bool readOnlyProgramDir = false;
    bool refuseWrites = false;

    std::string programDir() override { return "C:\\Orvela"; }
    std::string programName() override { return "Orvela"; }
    std::optional<std::string> appDataDir() override {
        return std::string("C:\\Users\\me\\AppData\\Roaming");
    }
    bool folderTakesFiles(const std::string& dir) override {
        return !(readOnlyProgramDir && dir == programDir());
    }
    std::string joinPath(const std::string& dir, const std::string& name) override {
        return dir + "\\" + name;
    }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override {
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        return found->second.substr(0, maxBytes);
    }
    bool replaceFile(const std::string& path, const std::string& bytes) override {
        if (refuseWrites || (readOnlyProgramDir && path.rfind(programDir() + "\\", 0) == 0))
            return false;
        files[path] = bytes;
        return true;
    }
    bool directoryExists(const std::string& path) override { return folders.count(path) != 0; }
    platform::FileResult createDirectory(const std::string& path) override {
        if (refuseWrites || !folders.insert(path).second)
            return platform::FileResult::failed(platform::FileError::other);
        return platform::FileResult::ok();
    }
    bool removeDirectory(const std::string&) override { return false; }
    bool deleteFile(const std::string&, bool) override { return false; }
    platform::FileResult copyFile(const std::string&, const std::string&) override {
        return platform::FileResult::failed(platform::FileError::other);
    }
    platform::FindHandle findFirstFile(const std::string&, platform::FindData&) override {
        return 0;
    }
    bool findNextFile(platform::FindHandle, platform::FindData&) override { return false; }
    void findClose(platform::FindHandle) override {}
};

using Texts = std::array<std::string, shell::DesktopSettings::storedCount>;

// The lines of a file as the format describes them, written out here on
// their own: up to 21, ended by CR LF, LF or a lone CR, missing ones empty.
std::vector<std::string> formatLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t i = 0;
    while (i < bytes.size() && lines.size() < shell::settingsLineCount) {
        const char c = bytes[i++];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i < bytes.size() && bytes[i] == '\n')
                ++i;
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty() && lines.size() < shell::settingsLineCount)
        lines.push_back(line);
    lines.resize(shell::settingsLineCount);
    return lines;
}

std::string withoutQuotes(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

// What a save writes for a text: itself without quotes, or a single blank
// when that is longer than 30 bytes.
std::string savedText(const std::string& text) {
    const std::string bare = withoutQuotes(text);
    return bare.size() <= shell::settingsMaxTextLength ? bare : " ";
}

// The saved file's form: 21 lines of '"' TEXT '"' CR LF, TEXT without
// quotes, CR or LF and at most 30 bytes. Gives the 21 texts.
std::vector<std::string> checkSavedForm(const std::string& saved) {
    std::vector<std::string> texts;
    std::size_t at = 0;
    while (at < saved.size()) {
        const std::size_t end = saved.find("\r\n", at);
        FUZZ_CHECK(end != std::string::npos); // every line ends in CR LF
        const std::string line = saved.substr(at, end - at);
        FUZZ_CHECK(line.size() >= 2 && line.front() == '"' && line.back() == '"');
        const std::string text = line.substr(1, line.size() - 2);
        FUZZ_CHECK(text.find_first_of("\"\r\n") == std::string::npos);
        FUZZ_CHECK(text.size() <= shell::settingsMaxTextLength);
        texts.push_back(text);
        at = end + 2;
    }
    FUZZ_CHECK(texts.size() == shell::settingsLineCount);
    return texts;
}

struct Program {
    forms::ManualClock clock;
    forms::Runtime runtime{clock, 15360, 11520};
    forms::Form& form1 = runtime.addForm(desktopitems::form1Design());
};

// Reads the file into a fresh record, as a start does; gives the stored texts.
Texts load(MemoryFiles& files, forms::Form& form1) {
    shell::DesktopSettings settings{form1};
    shell::SettingsFile file{files, settings};
    file.loadSettings();
    return settings.storedTexts();
}

// Loads, then saves with the record as read (OK with nothing changed).
bool loadAndSave(MemoryFiles& files, forms::Form& form1) {
    shell::DesktopSettings settings{form1};
    shell::SettingsFile file{files, settings};
    file.loadSettings();
    return file.saveSettingsFile();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Program program;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string programFile = "C:\\Orvela\\ovdata.dat";
    const std::string userFile = "C:\\Users\\me\\AppData\\Roaming\\Orvela\\ovdata.dat";

    // A file whose first byte is odd lies in a read-only program folder: the
    // per-user file is made from its bytes, and every later read and write
    // goes there.
    MemoryFiles files;
    files.readOnlyProgramDir = size > 0 && (data[0] & 1) != 0;
    files.files[programFile] = input;
    const std::string path = files.readOnlyProgramDir ? userFile : programFile;
    const Texts read = load(files, program.form1);
    FUZZ_CHECK(files.files[path] == input);
    const std::vector<std::string> inputLines = formatLines(input);
    for (std::size_t f = 0; f < read.size(); ++f) {
        // A stored field is its line, every double quote removed.
        FUZZ_CHECK(read[f] == withoutQuotes(inputLines[shell::settingsFirstStoredSlot + f]));
    }

    // A save that cannot be written reports it and leaves the file as it was.
    files.refuseWrites = true;
    FUZZ_CHECK(!loadAndSave(files, program.form1));
    FUZZ_CHECK(files.files[path] == input);
    files.refuseWrites = false;

    FUZZ_CHECK(loadAndSave(files, program.form1));
    const std::string first = files.files[path];
    const std::vector<std::string> texts = checkSavedForm(first);
    for (std::size_t line = 0; line < texts.size(); ++line)
        FUZZ_CHECK(texts[line] == savedText(inputLines[line]));

    // What was saved reads back as saved, and saving it again changes nothing.
    const Texts reread = load(files, program.form1);
    for (std::size_t f = 0; f < reread.size(); ++f)
        FUZZ_CHECK(reread[f] == savedText(read[f]));
    FUZZ_CHECK(loadAndSave(files, program.form1));
    FUZZ_CHECK(files.files[path] == first);
    FUZZ_CHECK(files.files[programFile] == (files.readOnlyProgramDir ? input : first));
    return 0;
}
