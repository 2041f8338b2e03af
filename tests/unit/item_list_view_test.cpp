// The list view's sorting by header and menu, the check marks, the views,
// the pop-up menu, and the folder picker.

#include "common/folder_picker.h"
#include "desktopitems/item_list_view.h"
#include "started_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace orvela;

class ItemListViewTest : public ::testing::Test {
protected:
    test::StartedApp app;
    forms::Form& form1 = app.form1();
    forms::Control& list = form1.control("ListView1");

    void SetUp() override {
        for (const char* row : {"b", "C", "a"})
            list.addRow({row, {std::string("9kb"), "txt", row}, "dummy"});
        list.addRow({"d", {"12kb", "txt", "d"}, "dummy"});
    }
    void header(int column) {
        forms::Event e{forms::EventType::ColumnClick};
        e.column = column;
        form1.dispatch(&list, e);
    }
    void choose(const char* menu, int index = -1) {
        forms::Control& entry = form1.control(menu, index);
        form1.dispatch(&entry, forms::Event{forms::EventType::Click});
    }
    bool checked(const char* menu, int index = -1) { return form1.control(menu, index).checked(); }
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const forms::ListRow& row : list.rows())
            out.push_back(row.text);
        return out;
    }
};

TEST_F(ItemListViewTest, HeaderClicksReverseTheDirectionEvenOnAnotherColumn) {
    header(2); // Size: descending first, by text ("9kb" after "12kb")
    EXPECT_EQ(list.sortKey(), 1);
    EXPECT_EQ(list.sortOrder(), 1);
    EXPECT_EQ(texts().back(), "d");
    EXPECT_TRUE(checked("mnuOrder", 1));
    EXPECT_TRUE(checked("mnuSortZA"));
    EXPECT_FALSE(checked("mnuSortAZ"));
    header(2);
    EXPECT_EQ(list.sortOrder(), 0);
    EXPECT_EQ(texts().front(), "d");
    EXPECT_TRUE(checked("mnuOrder", 1));
    header(1); // Name, and the direction reverses again
    EXPECT_EQ(list.sortOrder(), 1);
    EXPECT_EQ(texts(), (std::vector<std::string>{"d", "C", "b", "a"})); // case ignored
    EXPECT_FALSE(checked("mnuOrder", 1));
    EXPECT_TRUE(checked("mnuOrder", 0));
}

TEST_F(ItemListViewTest, MenuEntriesSortViewAndMoveTheirCheckMarks) {
    header(2);
    choose("mnuOrder", 3); // Created Date: always ascending
    EXPECT_EQ(list.sortKey(), 3);
    EXPECT_EQ(list.sortOrder(), 0);
    EXPECT_FALSE(checked("mnuOrder", 1));
    EXPECT_TRUE(checked("mnuOrder", 3));
    EXPECT_EQ(texts(), (std::vector<std::string>{"a", "b", "C", "d"}));
    choose("mnuSortZA");
    EXPECT_EQ(list.sortKey(), 3);
    EXPECT_TRUE(checked("mnuSortZA"));
    EXPECT_FALSE(checked("mnuSortAZ"));
    EXPECT_EQ(texts().front(), "d");
    list.addRow({"bb", {"1kb", "txt", "bb"}, "dummy"}); // kept in order while sorted
    EXPECT_EQ(texts(), (std::vector<std::string>{"d", "C", "bb", "b", "a"}));

    choose("mnuView", 0);
    EXPECT_EQ(list.view(), 2);
    EXPECT_TRUE(checked("mnuView", 0));
    choose("mnuView", 1);
    EXPECT_EQ(list.view(), 3);
    EXPECT_FALSE(checked("mnuView", 0));
    EXPECT_TRUE(checked("mnuView", 1));
}

TEST_F(ItemListViewTest, OnlyTheRightButtonPopsUpTheMenu) {
    for (int button : {forms::leftButton, forms::middleButton}) {
        forms::Event up{forms::EventType::MouseUp};
        up.button = button;
        form1.dispatch(&list, up);
        EXPECT_EQ(form1.poppedUpMenu(), "");
    }
    forms::Event up{forms::EventType::MouseUp};
    up.button = forms::rightButton;
    form1.dispatch(&list, up);
    EXPECT_EQ(form1.poppedUpMenu(), "mnuOptions");
}

TEST(FolderPicker, ChosenFolderQualifiedCancelEmpty) {
    test::StartedApp app;
    auto& machine = app.fake().machine();
    machine.folderAnswers = {std::string("D:\\"), std::string("C:\\Data"), std::nullopt};
    app.fake().takeCalls();
    EXPECT_EQ(common::vbGetBrowseDirectory(app.fake(), "Text Files"), "D:\\");
    EXPECT_EQ(app.fake().takeCalls(),
              (std::vector<std::string>{
                  "call SHBrowseForFolderA 0 \"Select the search directory for Text Files.\" 1",
                  "call SHGetPathFromIDListA 5002", "call CoTaskMemFree 5002"}));
    EXPECT_EQ(common::vbGetBrowseDirectory(app.fake(), "Text Files"), "C:\\Data\\");
    EXPECT_EQ(common::vbGetBrowseDirectory(app.fake(), "Text Files"), "");
}

} // namespace
