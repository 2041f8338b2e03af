// The start-up window's list view ListView1 as the user sorts it: column
// headers that sort and reverse, and the pop-up menu mnuOptions with its two
// views, two directions and "Order By" entries, check marks included.
#pragma once

#include "forms/form.h"

namespace orvela::desktopitems {

class ItemListView {
public:
    explicit ItemListView(forms::Form& form1) : form1_(form1) {}

    // Registers the list view's and the menu's handlers on Form1.
    void bind();

    // Header `column` (counted from 1) was clicked.
    void columnClick(int column);
    void orderBy(int index);
    void sortAscending() { setDirection(0); }
    void sortDescending() { setDirection(1); }
    // index 0: the list view, 1: the report view.
    void chooseView(int index);

private:
    forms::Control& list() { return form1_.touch().control("ListView1"); }
    forms::Control& menu(const char* name, int index = -1) {
        return form1_.touch().control(name, index);
    }
    void setDirection(int order);
    void refreshDirectionMarks();

    forms::Form& form1_;
    int sortColumn_ = 0; // the "Order By" entry that carries the check mark
};

} // namespace orvela::desktopitems
