#include "dump.h"

#include "forms/control_kinds.h"
#include "platform/fake/text_format.h"

namespace orvela::sim {

using orvela::platform::fake::formatNumber;
using orvela::platform::fake::quoteText;

namespace {

std::string boolText(bool b) {
    return b ? "True" : "False";
}
std::string num(float v) {
    return formatNumber(v);
}
std::string num(int v) {
    return std::to_string(v);
}
std::string color(forms::Color c) {
    return std::to_string(c);
}

} // namespace

PropertyList formProperties(const forms::Form& form) {
    return {{"Caption", quoteText(form.caption())},
            {"Left", num(form.left())},
            {"Top", num(form.top())},
            {"Width", num(form.width())},
            {"Height", num(form.height())},
            {"Visible", boolText(form.visible())},
            {"BackColor", color(form.backColor())},
            {"Picture", quoteText(form.picture().describe())},
            {"WindowState", num(form.windowState())},
            {"PopupMenu", quoteText(form.poppedUpMenu())}};
}

PropertyList controlProperties(const forms::Control& c) {
    PropertyList p;
    const unsigned groups = forms::rulesOf(c.kind()).dumped;
    auto has = [groups](unsigned group) { return (groups & group) != 0; };
    p.emplace_back("Kind", kindName(c.kind()));
    if (c.parent())
        p.emplace_back("Container", c.parent()->qualifiedName());
    if (has(forms::dumpLine)) {
        p.emplace_back("X1", num(c.x1()));
        p.emplace_back("Y1", num(c.y1()));
        p.emplace_back("X2", num(c.x2()));
        p.emplace_back("Y2", num(c.y2()));
        p.emplace_back("BorderWidth", num(c.borderWidth()));
        p.emplace_back("BorderColor", color(c.borderColor()));
        p.emplace_back("Visible", boolText(c.visible()));
    }
    if (has(forms::dumpTimer)) {
        p.emplace_back("Interval", num(c.interval()));
        p.emplace_back("Enabled", boolText(c.enabled()));
    }
    if (has(forms::dumpKeys)) {
        std::string keys;
        for (const auto& [key, picture] : c.images())
            keys += (keys.empty() ? "" : "|") + key;
        p.emplace_back("Keys", quoteText(keys));
    }
    if (has(forms::dumpMenuEntry)) {
        p.emplace_back("Caption", quoteText(c.caption()));
        p.emplace_back("Visible", boolText(c.visible()));
        p.emplace_back("Checked", boolText(c.checked()));
    }
    if (has(forms::dumpBox)) {
        p.emplace_back("Left", num(c.left()));
        p.emplace_back("Top", num(c.top()));
        p.emplace_back("Width", num(c.width()));
        p.emplace_back("Height", num(c.height()));
        p.emplace_back("Visible", boolText(c.visible()));
        p.emplace_back("Enabled", boolText(c.enabled()));
    }
    if (has(forms::dumpCaption))
        p.emplace_back("Caption", quoteText(c.caption()));
    if (has(forms::dumpFont)) {
        p.emplace_back("FontName", quoteText(c.font().name));
        p.emplace_back("FontSize", num(c.font().size));
        p.emplace_back("FontBold", boolText(c.font().bold));
        p.emplace_back("FontItalic", boolText(c.font().italic));
        p.emplace_back("FontCharset", num(c.font().charset));
        p.emplace_back("ForeColor", color(c.foreColor()));
    }
    if (has(forms::dumpBackColor))
        p.emplace_back("BackColor", color(c.backColor()));
    if (has(forms::dumpLabelStyle)) {
        p.emplace_back("BackStyle", num(c.backStyle()));
        p.emplace_back("Alignment", num(static_cast<int>(c.alignment())));
        p.emplace_back("WordWrap", boolText(c.wordWrap()));
    }
    if (has(forms::dumpPicture))
        p.emplace_back("Picture", quoteText(c.picture().describe()));
    if (has(forms::dumpStretch))
        p.emplace_back("Stretch", boolText(c.stretch()));
    if (has(forms::dumpList)) {
        p.emplace_back("ListCount", num(static_cast<int>(c.items().size())));
        for (std::size_t i = 0; i < c.items().size(); ++i)
            p.emplace_back("List(" + std::to_string(i) + ")", quoteText(c.items()[i]));
        p.emplace_back("ListIndex", num(c.listIndex()));
    }
    if (has(forms::dumpSelectedTab)) {
        const int i = c.listIndex();
        const bool valid = i >= 0 && static_cast<std::size_t>(i) < c.items().size();
        p.emplace_back("SelectedItem",
                       quoteText(valid ? c.items()[static_cast<std::size_t>(i)] : std::string()));
    }
    if (has(forms::dumpText))
        p.emplace_back("Text", quoteText(c.text()));
    if (has(forms::dumpRows)) {
        p.emplace_back("SortKey", num(c.sortKey()));
        p.emplace_back("SortOrder", num(c.sortOrder()));
        p.emplace_back("Sorted", boolText(c.sorted()));
        p.emplace_back("View", num(c.view()));
        p.emplace_back("ItemCount", num(static_cast<int>(c.rows().size())));
        for (std::size_t i = 0; i < c.rows().size(); ++i) {
            const forms::ListRow& row = c.rows()[i];
            const std::string item = "Item(" + std::to_string(i + 1) + ")";
            p.emplace_back(item + ".Text", quoteText(row.text));
            for (std::size_t j = 0; j < row.subItems.size(); ++j)
                p.emplace_back(item + ".SubItem(" + std::to_string(j + 1) + ")",
                               quoteText(row.subItems[j]));
            p.emplace_back(item + ".SmallIcon", quoteText(row.iconKey));
        }
    }
    return p;
}

} // namespace orvela::sim
