#include "desktopitems/item_table.h"

namespace orvela::desktopitems {

namespace {
bool inRange(ItemField field, int slot) {
    const int f = static_cast<int>(field);
    return slot >= 1 && slot <= DesktopItemTable::slotCount && f >= 1 &&
           f <= DesktopItemTable::fieldCount;
}
} // namespace

const std::string& DesktopItemTable::get(ItemField field, int slot) const {
    static const std::string none;
    if (!inRange(field, slot))
        return none;
    return cells_[static_cast<std::size_t>(slot)][static_cast<std::size_t>(field)];
}

void DesktopItemTable::set(ItemField field, int slot, std::string value) {
    if (inRange(field, slot))
        cells_[static_cast<std::size_t>(slot)][static_cast<std::size_t>(field)] = std::move(value);
}

void DesktopItemTable::clear() {
    for (auto& slot : cells_)
        for (auto& cell : slot)
            cell.clear();
}

bool DesktopItemTable::filled(int slot) const {
    if (slot < 1 || slot > slotCount)
        return false;
    for (const std::string& cell : cells_[static_cast<std::size_t>(slot)])
        if (!cell.empty())
            return true;
    return false;
}

} // namespace orvela::desktopitems
