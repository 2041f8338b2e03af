#include "shell/item_info.h"

#include <array>
#include <string>

namespace orvela::shell {

namespace {

using desktopitems::ItemField;

struct InfoLine {
    ItemField field;
    const char* prefix;
};

constexpr std::array<InfoLine, 4> lines{{
    {ItemField::DisplayName, ""},
    {ItemField::TypeName, "Type: "},
    {ItemField::Created, "Date of creation: "},
    {ItemField::Size, "The size of a file: "},
}};

using Labels = std::array<const char*, 4>;
constexpr Labels variantOneLabels{"Label1", "Label2", "Label4", "Label8"};
constexpr Labels variantTwoLabels{"Label22", "Label23", "Label24", "Label25"};

void show(forms::Form& form2, const Labels& labels, const desktopitems::DesktopItemTable& items,
          int index) {
    forms::Form& f = form2.touch();
    // An index outside the table clears too, so a stray one shows no stale
    // text and reads nothing outside the slots.
    const bool item = index >= 0 && index <= desktopitems::DesktopItemTable::slotCount;
    for (std::size_t i = 0; i < lines.size(); ++i)
        f.control(labels[i]).setCaption(item ? lines[i].prefix + items.get(lines[i].field, index)
                                             : std::string());
}

} // namespace

void showItemInfo(forms::Form& form2, const desktopitems::DesktopItemTable& items, int index) {
    show(form2, variantOneLabels, items, index);
}

void showItemInfo2(forms::Form& form2, const desktopitems::DesktopItemTable& items, int index) {
    show(form2, variantTwoLabels, items, index);
}

void showScannedItem(forms::Form& form2, const std::string& type, const std::string& created) {
    forms::Form& f = form2.touch();
    f.control(variantOneLabels[1]).setCaption(type);
    f.control(variantOneLabels[2]).setCaption(created);
}

} // namespace orvela::shell
