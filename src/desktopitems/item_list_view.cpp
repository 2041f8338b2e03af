#include "desktopitems/item_list_view.h"

namespace orvela::desktopitems {

using forms::Event;
using forms::EventType;

void ItemListView::bind() {
    form1_.on("ListView1", EventType::MouseUp, [this](const Event& e) {
        if (e.button == forms::rightButton)
            form1_.popUpMenu("mnuOptions");
    });
    form1_.on("ListView1", EventType::ColumnClick,
              [this](const Event& e) { columnClick(e.column); });
    form1_.on("mnuOrder", EventType::Click, [this](const Event& e) { orderBy(e.index); });
    form1_.on("mnuSortAZ", EventType::Click, [this](const Event&) { sortAscending(); });
    form1_.on("mnuSortZA", EventType::Click, [this](const Event&) { sortDescending(); });
    form1_.on("mnuView", EventType::Click, [this](const Event& e) { chooseView(e.index); });
}

void ItemListView::refreshDirectionMarks() {
    const bool ascending = list().sortOrder() == 0;
    menu("mnuSortAZ").setChecked(ascending);
    menu("mnuSortZA").setChecked(!ascending);
}

void ItemListView::columnClick(int column) {
    if (column < 1 || column > 4)
        return;
    forms::Control& l = list();
    l.setSortKey(column - 1);
    l.setSortOrder(l.sortOrder() == 1 ? 0 : 1);
    l.setSorted(true);
    menu("mnuOrder", sortColumn_).setChecked(false);
    refreshDirectionMarks();
    menu("mnuOrder", l.sortKey()).setChecked(true);
    sortColumn_ = l.sortKey();
}

void ItemListView::orderBy(int index) {
    if (index < 0 || index > 3)
        return;
    menu("mnuOrder", sortColumn_).setChecked(false);
    menu("mnuOrder", index).setChecked(true);
    sortColumn_ = index;
    forms::Control& l = list();
    l.setSortKey(index);
    l.setSortOrder(0);
    l.setSorted(true);
    refreshDirectionMarks();
}

void ItemListView::setDirection(int order) {
    forms::Control& l = list();
    l.setSortOrder(order);
    l.setSorted(true);
    refreshDirectionMarks();
}

void ItemListView::chooseView(int index) {
    if (index < 0 || index > 1)
        return;
    forms::Control& l = list();
    if (forms::Control* previous = form1_.find("mnuView", l.view() - 2))
        previous->setChecked(false);
    menu("mnuView", index).setChecked(true);
    l.setView(index + 2);
    l.setSorted(true);
}

} // namespace orvela::desktopitems
