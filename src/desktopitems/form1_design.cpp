#include "desktopitems/form1_design.h"

#include <array>

namespace orvela::desktopitems {

namespace {

using forms::ControlDesign;
using forms::ControlKind;

// Hidden value labels: six to a row below the list view.
constexpr ControlDesign valueLabel(const char* name, const char* caption, float column, float row) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = 120 + column * 1260,
            .top = 4620 + row * 300,
            .width = 1215,
            .height = 255,
            .caption = caption,
            .visible = false};
}

// Hidden picture holders: nine to a row over the list view area.
constexpr ControlDesign holder(const char* name, const char* picture, float column, float row) {
    return {.kind = ControlKind::Image,
            .name = name,
            .left = 240 + column * 780,
            .top = 720 + row * 600,
            .width = 480,
            .height = 480,
            .visible = false,
            .picture = picture};
}

constexpr ControlDesign menu(const char* name, const char* caption, int index = -1,
                             bool visible = true) {
    return {.kind = ControlKind::Menu,
            .name = name,
            .index = index,
            .caption = caption,
            .visible = visible};
}

constexpr std::array controls{
    ControlDesign{.kind = ControlKind::ComboBox,
                  .name = "Combo1",
                  .left = 120,
                  .top = 120,
                  .width = 4095,
                  .height = 315,
                  .backColor = 0xFFFFFF},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "DisplayName",
                  .left = 4320,
                  .top = 165,
                  .width = 3240,
                  .height = 255},
    ControlDesign{.kind = ControlKind::ListView,
                  .name = "ListView1",
                  .left = 120,
                  .top = 600,
                  .width = 7440,
                  .height = 3240,
                  .backColor = 0xFFFFFF},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "LbIconCount",
                  .left = 120,
                  .top = 3960,
                  .width = 7440,
                  .height = 255},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "LbItemCount",
                  .left = 120,
                  .top = 4260,
                  .width = 3600,
                  .height = 255},
    // Off-screen picture boxes of 32 x 32 pixels: the icon drawing surface and
    // the image list's placeholder.
    ControlDesign{.kind = ControlKind::PictureBox,
                  .name = "PixSmall",
                  .left = 6360,
                  .top = 3960,
                  .width = 480,
                  .height = 480,
                  .visible = false},
    ControlDesign{.kind = ControlKind::PictureBox,
                  .name = "PixDummy",
                  .left = 6960,
                  .top = 3960,
                  .width = 480,
                  .height = 480,
                  .visible = false,
                  .picture = "PixDummy.bmp"},
    ControlDesign{.kind = ControlKind::ImageList, .name = "ImageList1", .left = 7320, .top = 120},

    // The list view's pop-up menu, hidden until it pops up.
    menu("mnuOptions", "OptionMenu", -1, false),
    menu("mnuView", "ListView", 0),
    menu("mnuView", "Detail Report", 1),
    menu("zzmnuSep1", "Separator"),
    menu("mnuSortAZ", "Ascending Order"),
    menu("mnuSortZA", "Decending Order"),
    menu("zzmnuSep2", "Separator"),
    menu("zzmnuOrderBy", "Order By"),
    menu("mnuOrder", "Name", 0),
    menu("mnuOrder", "Size", 1),
    menu("mnuOrder", "Type", 2),
    menu("mnuOrder", "Created Date", 3),

    // The settings record, one field per label caption.
    valueLabel("deskvar", "1", 0, 0),
    valueLabel("V1speed", "5", 1, 0),
    valueLabel("Desklang", "English", 2, 0),
    valueLabel("v1timer", "1", 3, 0),
    valueLabel("v1calend", "1", 4, 0),
    valueLabel("V1speedR", "0", 5, 0),
    valueLabel("V2Stars", "1", 0, 1),
    valueLabel("v3shag", "10", 1, 1),
    valueLabel("autostartme", "0", 2, 1),
    valueLabel("dvzapas", "0", 3, 1),
    valueLabel("V2Stars2", "1", 4, 1),
    valueLabel("v3shag2", "10", 5, 1),
    valueLabel("checkpusk", "0", 0, 2),
    valueLabel("dennn", "1", 1, 2),
    valueLabel("v3pic1", "pic1", 2, 2),
    valueLabel("v3pic2", " ", 3, 2),
    valueLabel("v3picdef", "def", 4, 2),
    valueLabel("itco", "0", 5, 2),

    // Variant-2 button pictures: "...1" lit, "...2" normal.
    holder("v2pro1", "v2pro1.jpg", 0, 0),
    holder("v2pro2", "v2pro2.jpg", 1, 0),
    holder("v2doc1", "v2doc1.jpg", 2, 0),
    holder("v2doc2", "v2doc2.jpg", 3, 0),
    holder("v2st1", "v2st1.jpg", 4, 0),
    holder("v2st2", "v2st2.jpg", 5, 0),
    holder("v2dr1", "v2dr1.jpg", 6, 0),
    holder("v2dr2", "v2dr2.jpg", 7, 0),
    holder("v2reb1", "v2reb1.jpg", 8, 0),
    holder("v2reb2", "v2reb2.jpg", 0, 1),
    holder("v2off1", "v2off1.jpg", 1, 1),
    holder("v2off2", "v2off2.jpg", 2, 1),
    holder("v2opt1", "v2opt1.jpg", 3, 1),
    holder("v2opt2", "v2opt2.jpg", 4, 1),
    holder("v2ex1", "v2ex1.jpg", 5, 1),
    holder("v2ex2", "v2ex2.jpg", 6, 1),
    holder("v2rec1", "v2rec1.jpg", 7, 1),
    holder("v2rec2", "v2rec2.jpg", 8, 1),
    // Variant-3 button pictures: plain name normal, "...1" lit.
    holder("v3rec", "v3rec.jpg", 0, 2),
    holder("v3rec1", "v3rec1.jpg", 1, 2),
    holder("v3op", "v3op.jpg", 2, 2),
    holder("v3op1", "v3op1.jpg", 3, 2),
    holder("v3ex", "v3ex.jpg", 4, 2),
    holder("v3ex1", "v3ex1.jpg", 5, 2),
    holder("v3pr", "v3pr.jpg", 6, 2),
    holder("v3pr1", "v3pr1.jpg", 7, 2),
    holder("v3do", "v3do.jpg", 8, 2),
    holder("v3do1", "v3do1.jpg", 0, 3),
    holder("v3start", "v3start.jpg", 1, 3),
    holder("v3start1", "v3start1.jpg", 2, 3),
    holder("v3re", "v3re.jpg", 3, 3),
    holder("v3re1", "v3re1.jpg", 4, 3),
    holder("v3sh", "v3sh.jpg", 5, 3),
    holder("v3sh1", "v3sh1.jpg", 6, 3),
};

} // namespace

const forms::FormDesign& form1Design() {
    static const forms::FormDesign design{
        .name = "Form1",
        .caption = "Form1",
        .left = 0,
        .top = 0,
        .width = 7680,
        .height = 5760,
        .defaultFont = {.name = "MS Sans Serif", .size = 8.25f, .bold = false, .charset = 204},
        .controls = controls,
    };
    return design;
}

} // namespace orvela::desktopitems
