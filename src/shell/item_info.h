// The item information labels: name, type, date of creation and size of the
// desktop item under the pointer, variant 1 (Label1, Label2, Label4, Label8)
// and variant 2 (Label22 .. Label25).
#pragma once

#include "desktopitems/item_table.h"
#include "forms/form.h"

#include <string>

namespace orvela::shell {

// The index that means no item: the labels are cleared.
inline constexpr int noItem = 10000;

// Writes slot index's name, "Type: ", "Date of creation: " and "The size of
// a file: " lines, or clears the four labels for noItem. Any other index
// outside 0..100 clears them too.
void showItemInfo(forms::Form& form2, const desktopitems::DesktopItemTable& items, int index);
void showItemInfo2(forms::Form& form2, const desktopitems::DesktopItemTable& items, int index);
// What the scan shows of each item it reads: its type and creation date as
// they are, on the variant-1 type and date labels.
void showScannedItem(forms::Form& form2, const std::string& type, const std::string& created);

} // namespace orvela::shell
