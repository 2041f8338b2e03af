// The desktop item table: seven text fields for each of the slots 1..100,
// slot n holding the n-th item of the last scan. Slot 0 is never used.
#pragma once

#include <array>
#include <string>

namespace orvela::desktopitems {

enum class ItemField {
    DisplayName = 1, // the file name up to its first "."
    TypeName,        // the shell's type name, lower case
    FullPath,        // the desktop folder + the file name
    Created,         // the creation date in the short date form
    Unused,          // always empty
    Size,            // "2kb"
    FileName         // the file name as found
};

class DesktopItemTable {
public:
    static constexpr int slotCount = 100;
    static constexpr int fieldCount = 7;

    // The empty text for a slot or field out of range.
    const std::string& get(ItemField field, int slot) const;
    // Writes nothing for a slot or field out of range.
    void set(ItemField field, int slot, std::string value);
    void clear();
    // A slot with any field set.
    bool filled(int slot) const;

private:
    std::array<std::array<std::string, fieldCount + 1>, slotCount + 1> cells_;
};

} // namespace orvela::desktopitems
