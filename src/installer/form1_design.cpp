#include "installer/form1_design.h"

#include <array>

namespace orvela::installer {

namespace {

using forms::ControlDesign;
using forms::ControlKind;
using forms::FontDesign;

constexpr FontDesign titleFont{.name = "MS Sans Serif", .size = 12};
constexpr FontDesign textFont{.name = "MS Sans Serif", .size = 8.25f};
constexpr FontDesign plainFont{.name = "MS Sans Serif", .size = 8.25f, .bold = false};
constexpr forms::Color navy = forms::rgb(24, 32, 96);

// The short terms at the top of LICENSE.TXT, word for word.
constexpr const char* termsOfUse =
    "THE TERMS IN SHORT\r\n"
    "\r\n"
    "1. Orvela is free. You may use it without charge, at home or at work, on as many "
    "computers as you like.\r\n"
    "\r\n"
    "2. You may copy the unchanged installation package and give it to others, free of "
    "charge. You may not sell it or change it.\r\n"
    "\r\n"
    "3. Orvela is provided \"as is\", without any warranty. You use it at your own risk.\r\n"
    "\r\n"
    "4. The Orvela developers are not liable for any damage or loss of data that comes from "
    "using Orvela or from being unable to use it.\r\n"
    "\r\n"
    "By installing or using Orvela you accept these terms and the full terms in the file "
    "LICENSE.TXT.";

constexpr ControlDesign label(const char* name, float top, float height, const char* caption,
                              FontDesign font = textFont, bool visible = true) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = 360,
            .top = top,
            .width = 8880,
            .height = height,
            .caption = caption,
            .font = font,
            .foreColor = navy,
            .wordWrap = true,
            .visible = visible};
}

constexpr ControlDesign button(const char* name, int index, float left, float top,
                               const char* caption, bool visible = true, bool isDefault = false,
                               bool isCancel = false) {
    return {.kind = ControlKind::CommandButton,
            .name = name,
            .index = index,
            .left = left,
            .top = top,
            .width = 1215,
            .height = 375,
            .caption = caption,
            .font = textFont,
            .visible = visible,
            .defaultButton = isDefault,
            .cancelButton = isCancel};
}

// The row of the path box and of the buttons, in twips of the 640 x 480
// pixel window.
constexpr float pathTop = 5460, buttonTop = 6480;

constexpr std::array controls{
    label("Label1", 300, 375, "Welcome to the Orvela install program.", titleFont),
    label("Label2", 780, 450,
          "After Setup is completed you will be able to access the application settings from "
          "the Start menu under Programs/Orvela.\r\n"),
    label("Label3", 1260, 255, "To start the Orvela run 'Orvela.exe'."),
    label("Label4", 1620, 2940, termsOfUse, plainFont),
    label("Label5", 4680, 645,
          "Select the install directory and press the install button to continue."),
    ControlDesign{.kind = ControlKind::TextBox,
                  .name = "Text1",
                  .left = 360,
                  .top = pathTop,
                  .width = 6240,
                  .height = 315,
                  .font = plainFont,
                  .backColor = 12632319},
    button("cmdSelect", 0, 6720, pathTop - 30, "Brouse"),
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label6",
                  .left = 360,
                  .top = pathTop,
                  .width = 6240,
                  .height = 900,
                  .caption = "Setup of Orvela complite. Press the Finish button.",
                  .font = textFont,
                  .foreColor = navy,
                  .wordWrap = true,
                  .visible = false},
    button("Command1", -1, 6600, buttonTop, "Next", true, true),
    button("cmdSelect", 2, 7920, buttonTop, "Cancel", true, false, true),
    button("Command2", -1, 7920, buttonTop, "Finish", false, true, true),
    // Only the folder picker reads these: its title names the selected file type.
    ControlDesign{.kind = ControlKind::ComboBox,
                  .name = "Combo1",
                  .left = 360,
                  .top = buttonTop,
                  .width = 3015,
                  .height = 315,
                  .font = plainFont,
                  .backColor = forms::rgb(255, 255, 255),
                  .visible = false},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "DisplayName",
                  .left = 3480,
                  .top = buttonTop + 60,
                  .width = 3000,
                  .height = 255,
                  .font = plainFont,
                  .visible = false},
};

} // namespace

const forms::FormDesign& form1Design() {
    static const forms::FormDesign design{
        .name = "Form1",
        .caption = "Orvela Setup",
        .left = 0,
        .top = 0,
        .width = 9600,
        .height = 7200,
        .picture = "installForm1.jpg",
        .defaultFont = {.name = "MS Sans Serif", .size = 8.25f, .bold = false, .charset = 0},
        .dialog = true,
        .followsDpi = true,
        .controls = controls,
    };
    return design;
}

} // namespace orvela::installer
