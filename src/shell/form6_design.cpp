#include "shell/form6_design.h"

#include <array>

namespace orvela::shell {

namespace {

using forms::Alignment;
using forms::ControlDesign;
using forms::ControlKind;
using forms::FontDesign;

constexpr FontDesign messageFont{.name = "MS Sans Serif", .size = 13.5f};
constexpr FontDesign buttonFont{.name = "MS Sans Serif", .size = 8.25f};

constexpr std::array controls{
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label1",
                  .left = 360,
                  .top = 120,
                  .width = 3975,
                  .height = 855,
                  .caption = "Please run the INSTALL.EXE at first !",
                  .font = messageFont,
                  .alignment = Alignment::Center,
                  .wordWrap = true},
    ControlDesign{.kind = ControlKind::CommandButton,
                  .name = "Command1",
                  .left = 480,
                  .top = 1080,
                  .width = 1455,
                  .height = 495,
                  .caption = "Install.exe",
                  .font = buttonFont},
    ControlDesign{.kind = ControlKind::CommandButton,
                  .name = "Command2",
                  .left = 2760,
                  .top = 1080,
                  .width = 1455,
                  .height = 495,
                  .caption = "Cancel",
                  .font = buttonFont},
};

} // namespace

const forms::FormDesign& form6Design() {
    static const forms::FormDesign design{
        .name = "Form6",
        .caption = "Form6",
        .left = 5490,
        .top = 4350,
        .width = 4680,
        .height = 1740,
        .picture = "Form6.jpg",
        .defaultFont = {.name = "MS Sans Serif", .size = 8.25f, .bold = true, .charset = 204},
        .borderless = true,
        .followsDpi = true,
        .controls = controls,
    };
    return design;
}

} // namespace orvela::shell
