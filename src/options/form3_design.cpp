#include "options/form3_design.h"

#include <array>

namespace orvela::options {

namespace {

using forms::Alignment;
using forms::ControlDesign;
using forms::ControlKind;
using forms::FontDesign;

constexpr FontDesign titleFont{.name = "MS Sans Serif", .size = 12};
constexpr FontDesign textFont{.name = "MS Sans Serif", .size = 8.25f};
constexpr FontDesign plainFont{.name = "MS Sans Serif", .size = 8.25f, .bold = false};

// Every page frame has the same place and size, below the tabs.
constexpr float pageLeft = 120, pageTop = 480, pageWidth = 5655, pageHeight = 3495;

constexpr ControlDesign page(const char* name, bool visible) {
    return {.kind = ControlKind::Frame,
            .name = name,
            .left = pageLeft,
            .top = pageTop,
            .width = pageWidth,
            .height = pageHeight,
            .visible = visible};
}

constexpr ControlDesign label(const char* name, const char* parent, float left, float top,
                              float width, float height, const char* caption,
                              FontDesign font = textFont, Alignment alignment = Alignment::Left) {
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .font = font,
            .alignment = alignment,
            .wordWrap = true};
}

constexpr const char* languages[] = {"English", "Russian"};
constexpr const char* variants[] = {"Chronel", "Stellix", "Mirravale"};
constexpr const char* yesNo[] = {"Yes", "No"};
constexpr const char* noYes[] = {"No", "Yes"};

constexpr forms::TabDesign pages[] = {
    {"General Settings", "General", "General Settings"},
    {"Variant 1", "Variant1", "Set Options for Variant 1"},
    {"Variant 2", "Variant2", "Set Options for Variant 2"},
    {"Variant 3", "Variant3", "Set Options for Variant 3"},
    {"Information", "Info", "Information"},
};

constexpr ControlDesign combo(const char* name, const char* parent, float left, float top,
                              std::span<const char* const> list) {
    return {.kind = ControlKind::ComboBox,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = 1815,
            .height = 315,
            .font = plainFont,
            .backColor = forms::rgb(255, 255, 255),
            .list = list};
}

constexpr ControlDesign button(const char* name, const char* parent, float left, float top,
                               float width, const char* caption, bool isDefault = false,
                               bool isCancel = false) {
    return {.kind = ControlKind::CommandButton,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = 375,
            .caption = caption,
            .font = textFont,
            .defaultButton = isDefault,
            .cancelButton = isCancel};
}

constexpr std::array controls{
    ControlDesign{.kind = ControlKind::TabStrip,
                  .name = "frmOptions",
                  .left = 60,
                  .top = 60,
                  .width = 5775,
                  .height = 3975,
                  .font = textFont,
                  .tabs = pages},
    page("FGeneral", true),
    label("Label14", "FGeneral", 240, 240, 5175, 375, "General settings", titleFont,
          Alignment::Center),
    label("Label1", "FGeneral", 240, 960, 3000, 375, "Please choose the language"),
    combo("Combo1", "FGeneral", 3480, 960, languages),
    label("Label2", "FGeneral", 240, 1680, 3000, 375, "Variant of display"),
    combo("Combo2", "FGeneral", 3480, 1680, variants),
    label("Label3", "FGeneral", 240, 2400, 3000, 615, "Autostart when computer is switched on"),
    combo("Combo3", "FGeneral", 3480, 2400, yesNo),
    page("FVariant1", false),
    label("Label15", "FVariant1", 240, 120, 5175, 375, "Variant of display  - 1", titleFont,
          Alignment::Center),
    label("Label23", "FVariant1", 240, 480, 5175, 375, "Chronel", titleFont, Alignment::Center),
    label("Label4", "FVariant1", 240, 960, 5175, 255, "Speed of movement of icons  ( 0 - 100 )"),
    button("Command1", "FVariant1", 240, 1320, 1455, "Increase"),
    label("Label5", "FVariant1", 1920, 1380, 1815, 255, "", textFont, Alignment::Center),
    button("Command2", "FVariant1", 3960, 1320, 1455, "Decrease"),
    label("Label18", "FVariant1", 240, 2160, 3000, 375, "To show the digital timer"),
    combo("Combo4", "FVariant1", 3480, 2160, noYes),
    label("Label19", "FVariant1", 240, 2760, 3000, 375, "To show a calendar"),
    combo("Combo5", "FVariant1", 3480, 2760, noYes),
    page("FVariant2", false),
    label("Label24", "FVariant2", 240, 120, 5175, 375, "Variant of display - 2", titleFont,
          Alignment::Center),
    label("Label25", "FVariant2", 240, 480, 5175, 375, "Stellix", titleFont, Alignment::Center),
    label("Label20", "FVariant2", 240, 1320, 3000, 375, "View the stars"),
    combo("Combo6", "FVariant2", 3480, 1320, noYes),
    page("FVariant3", false),
    label("Label17", "FVariant3", 240, 120, 5175, 375, "Variant of display - 3", titleFont,
          Alignment::Center),
    label("Label26", "FVariant3", 240, 480, 5175, 375, "Mirravale", titleFont, Alignment::Center),
    label("Label21", "FVariant3", 240, 960, 5175, 255, "Speed of movement of icons  ( 0 - 20 )"),
    button("Command8", "FVariant3", 240, 1320, 1455, "Increase"),
    label("Label22", "FVariant3", 1920, 1380, 1815, 255, "", textFont, Alignment::Center),
    button("Command7", "FVariant3", 3960, 1320, 1455, "Decrease"),
    button("Command9", "FVariant3", 240, 2160, 1935, "Background"),
    page("FInformation", false),
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Image1",
                  .parent = "FInformation",
                  .left = 240,
                  .top = 240,
                  .width = 1215,
                  .height = 1215},
    label("Label8", "FInformation", 1680, 240, 3735, 375, "Orvela", titleFont),
    label("Label10", "FInformation", 1680, 720, 3735, 255, "Version 1.02"),
    label("Label11", "FInformation", 1680, 1020, 3735, 255, "October 2004"),
    label("Label9", "FInformation", 240, 1680, 5175, 255, "Orvela developers, 2004"),
    label("Label12", "FInformation", 240, 1980, 5175, 255, "Support: support@orvela.example"),
    label("Label13", "FInformation", 240, 2280, 5175, 255, "Web: www.orvela.example"),
    button("Command3", "FInformation", 240, 2760, 2415, "Show Instructions"),
    button("cmdOK", nullptr, 2160, 4200, 1095, "OK", true),
    button("cmdCancel", nullptr, 3420, 4200, 1095, "Cancel", false, true),
    button("cmdApply", nullptr, 4680, 4200, 1095, "Apply"),
};

} // namespace

const forms::FormDesign& form3Design() {
    static const forms::FormDesign design{
        .name = "form3",
        .caption = "Options",
        .left = 4800,
        .top = 3000,
        .width = 5895,
        .height = 4740,
        .defaultFont = {.name = "MS Sans Serif", .size = 8.25f, .bold = true, .charset = 204},
        .dialog = true,
        .followsDpi = true,
        .controls = controls,
    };
    return design;
}

} // namespace orvela::options
