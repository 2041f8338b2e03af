#include "shell/form2_design.h"

#include <array>

namespace orvela::shell {

namespace {

using forms::Alignment;
using forms::Color;
using forms::ControlDesign;
using forms::ControlKind;
using forms::FontDesign;
using forms::Placement;

// The placement column (forms::Placement): how the screen layout places a row.
constexpr auto composition = Placement::Composition;
constexpr auto compositionText = Placement::CompositionText;
constexpr auto inFrame = Placement::InFrame;
constexpr auto inFrameText = Placement::InFrameText;

constexpr ControlDesign placed(Placement placement, ControlDesign row) {
    row.placement = placement;
    return row;
}

constexpr FontDesign sans(float size, bool italic = false) {
    return {.name = "MS Sans Serif", .size = size, .italic = italic};
}
constexpr FontDesign times(float size) {
    return {.name = "Times New Roman", .size = size};
}

// Colours (blue in the high byte).
constexpr Color infoGrey = 0xC0C0C0;
constexpr Color yearBlue = 0x400000;
constexpr Color monthRed = 0x000040;
constexpr Color weekendRed = 0x000080;
constexpr Color todayBack = 0xFF8080;
constexpr Color ringCaption = forms::rgb(255, 140, 0);
constexpr Color v2Text = 0xFF8080;
constexpr Color v2Panel = 0x800000;
constexpr Color driveName = 0xFFC0C0;
constexpr Color starPanel = 0x000000;
constexpr Color v3Back = 0x400000;
constexpr Color v3Panel = 0x400040;
constexpr Color v3Clock = 0x0000FF;
constexpr Color v3Info = 0x8080FF;
constexpr Color stripCaption = 0xFFFFFF;
constexpr Color menuBack = 0xFF8080;
constexpr Color menuEntryBack = 0xFFC0C0;
constexpr Color menuSeparator = 0x800000;

// Variant-1 button: the shared face picture stretched, with its caption on top.
constexpr ControlDesign buttonFace(const char* name, float left, float top, float height = 495) {
    return {.kind = ControlKind::Image,
            .name = name,
            .left = left,
            .top = top,
            .width = 1680,
            .height = height,
            .picture = "but1.jpg",
            .stretch = true,
            .placement = composition};
}

constexpr ControlDesign buttonCaption(const char* name, float left, float top, float width,
                                      const char* caption, float height = 255) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .alignment = Alignment::Center,
            .placement = compositionText};
}

// Hidden labels and pictures that only carry values for the logic.
constexpr ControlDesign valueLabel(const char* name, const char* caption, float left, float top,
                                   const char* parent = nullptr) {
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = 1215,
            .height = 255,
            .caption = caption,
            .visible = false};
}

constexpr ControlDesign pictureHolder(const char* name, const char* picture, float left, float top,
                                      float width, float height, const char* parent = nullptr) {
    return {.kind = ControlKind::Image,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .visible = false,
            .picture = picture,
            .stretch = true};
}

// Month calendar: weekday headers and the 6 x 7 day cells, Monday first.
constexpr Color calendarColor(float column) {
    return column >= 5 ? weekendRed : Color{0};
}

constexpr ControlDesign weekdayHeader(const char* name, const char* caption, float column,
                                      float left, float width = 240, float height = 180) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = 2250,
            .width = width,
            .height = height,
            .caption = caption,
            .font = sans(8.25f),
            .foreColor = calendarColor(column),
            .alignment = Alignment::Center,
            .placement = Placement::CalendarCell};
}

constexpr ControlDesign dayCell(const char* name, float row, float column) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = 720 + 270 * column,
            .top = 2490 + 210 * row,
            .width = 210,
            .height = 180,
            .font = sans(8.25f),
            .foreColor = calendarColor(column),
            .backColor = todayBack,
            .alignment = Alignment::Center,
            .placement = Placement::CalendarCell};
}

// Variant-2 overlay: caption labels, transparent hit areas and button icons.
constexpr ControlDesign v2Label(const char* name, const char* parent, float left, float top,
                                float width, float height, const char* caption,
                                FontDesign font = {}, Alignment alignment = Alignment::Left) {
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .font = font,
            .foreColor = v2Text,
            .alignment = alignment,
            .placement = inFrameText};
}

constexpr ControlDesign hitArea(const char* name, const char* parent, float left, float top,
                                float width, float height) {
    return v2Label(name, parent, left, top, width, height, "");
}

constexpr ControlDesign frame(const char* name, const char* parent, float left, float top,
                              float width, float height, Color back, bool visible = true) {
    return {.kind = ControlKind::Frame,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .backColor = back,
            .visible = visible};
}

constexpr ControlDesign image(const char* name, const char* parent, float left, float top,
                              float width, float height, const char* picture) {
    return {.kind = ControlKind::Image,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .picture = picture,
            .stretch = true};
}

// Plain caption label: clock digits, separators, dates and item information.
constexpr ControlDesign textLabel(const char* name, const char* parent, float left, float top,
                                  float width, float height, const char* caption, FontDesign font,
                                  Color color, Alignment alignment = Alignment::Left) {
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .font = font,
            .foreColor = color,
            .alignment = alignment};
}

// A line of the file-information block, rise twips above the screen's middle.
constexpr ControlDesign infoLine(float rise, ControlDesign row) {
    row.placement = Placement::InfoLine;
    row.rise = rise;
    return row;
}

// Star arm of the variant-2 star field.
constexpr ControlDesign starLine(const char* name, const char* parent, float x1, float y1, float x2,
                                 float y2, Color color) {
    return {.kind = ControlKind::Line,
            .name = name,
            .parent = parent,
            .x1 = x1,
            .y1 = y1,
            .x2 = x2,
            .y2 = y2,
            .borderColor = color};
}

// Pop-up menu entry: opaque until the pointer lights another entry.
constexpr ControlDesign menuEntry(const char* name, float top, const char* caption) {
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = "Frame1",
            .left = 120,
            .top = top,
            .width = 2055,
            .height = 255,
            .caption = caption,
            .backColor = menuEntryBack,
            .backStyle = 1};
}

constexpr ControlDesign menuSeparatorLine(const char* name, float y) {
    return {.kind = ControlKind::Line,
            .name = name,
            .parent = "Frame1",
            .x1 = 120,
            .y1 = y,
            .x2 = 2160,
            .y2 = y,
            .borderColor = menuSeparator};
}

// Analogue clock hand, drawn at twelve o'clock around the design centre.
constexpr ControlDesign clockHand(const char* name, float length, int width, Color color) {
    return {.kind = ControlKind::Line,
            .name = name,
            .x1 = 7880,
            .y1 = 5510,
            .x2 = 7880,
            .y2 = 5510 - length,
            .borderWidth = width,
            .borderColor = color};
}

constexpr std::array controls{
    ControlDesign{.kind = ControlKind::Timer,
                  .name = "Timer1",
                  .left = 6720,
                  .top = 480,
                  .width = 420,
                  .height = 420,
                  .interval = 100},

    // Background pictures by screen size, and the carrier of the chosen one.
    pictureHolder("Fon800", "Fon800.jpg", 7200, 1200, 2280, 600),
    pictureHolder("Fon1024", "Fon1024.jpg", 7200, 1920, 2280, 600),
    pictureHolder("Fon1152", "Fon1152.jpg", 7200, 2640, 2280, 600),
    pictureHolder("Fon1600", "Fon1600.jpg", 7200, 3360, 2280, 600),
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Fon",
                  .left = 7200,
                  .top = 480,
                  .width = 2280,
                  .height = 600,
                  .picture = "Fon1024.jpg"},
    // Normal and lit faces of the variant-1 buttons.
    pictureHolder("but1", "but1.jpg", 9600, 480, 1680, 495),
    pictureHolder("but1press", "but1press.jpg", 9600, 1080, 1680, 495),

    valueLabel("screeny", "1024", 9600, 1680),
    valueLabel("deskvar", "1", 9600, 1980),
    valueLabel("profiledir", "", 9600, 2280),
    valueLabel("docdir", "", 9600, 2580),
    valueLabel("Label7", "0", 9600, 2880),

    // Month calendar.
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label102",
                  .left = 840,
                  .top = 1560,
                  .width = 1335,
                  .height = 495,
                  .caption = "2004",
                  .font = sans(24, true),
                  .foreColor = yearBlue,
                  .placement = compositionText},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label101",
                  .left = 1080,
                  // Below the year's digits, which reach past 1920.
                  .top = 1995,
                  .width = 1335,
                  .height = 375,
                  .caption = "January",
                  .font = sans(9.75f),
                  .foreColor = monthRed,
                  .alignment = Alignment::Center,
                  .placement = compositionText},
    weekdayHeader("Label103", "Mn", 0, 720),
    weekdayHeader("Label104", "Tu", 1, 990),
    weekdayHeader("Label105", "We", 2, 1245, 270, 195),
    weekdayHeader("Label106", "Th", 3, 1530),
    weekdayHeader("Label107", "Fr", 4, 1800),
    weekdayHeader("Label108", "Sa", 5, 2070),
    weekdayHeader("Label109", "Su", 6, 2340),
    dayCell("Label110", 0, 0),
    dayCell("Label111", 0, 1),
    dayCell("Label112", 0, 2),
    dayCell("Label113", 0, 3),
    dayCell("Label114", 0, 4),
    dayCell("Label115", 0, 5),
    dayCell("Label116", 0, 6),
    dayCell("Label117", 1, 0),
    dayCell("Label118", 1, 1),
    dayCell("Label119", 1, 2),
    dayCell("Label120", 1, 3),
    dayCell("Label121", 1, 4),
    dayCell("Label122", 1, 5),
    dayCell("Label123", 1, 6),
    dayCell("Label124", 2, 0),
    dayCell("Label125", 2, 1),
    dayCell("Label126", 2, 2),
    dayCell("Label127", 2, 3),
    dayCell("Label128", 2, 4),
    dayCell("Label129", 2, 5),
    dayCell("Label130", 2, 6),
    dayCell("Label131", 3, 0),
    dayCell("Label132", 3, 1),
    dayCell("Label133", 3, 2),
    dayCell("Label134", 3, 3),
    dayCell("Label135", 3, 4),
    dayCell("Label136", 3, 5),
    dayCell("Label137", 3, 6),
    dayCell("Label138", 4, 0),
    dayCell("Label139", 4, 1),
    dayCell("Label140", 4, 2),
    dayCell("Label141", 4, 3),
    dayCell("Label142", 4, 4),
    dayCell("Label143", 4, 5),
    dayCell("Label144", 4, 6),
    dayCell("Label145", 5, 0),
    dayCell("Label146", 5, 1),
    dayCell("Label147", 5, 2),
    dayCell("Label148", 5, 3),
    dayCell("Label149", 5, 4),
    dayCell("Label150", 5, 5),
    dayCell("Label151", 5, 6),

    // Variant-1 digital clock and date line.
    placed(compositionText, textLabel("Label209", nullptr, 12840, 1710, 615, 495, "00", sans(24), 0,
                                      Alignment::Right)),
    placed(compositionText,
           textLabel("Label206", nullptr, 13440, 1680, 135, 495, ":", sans(24), 0)),
    placed(compositionText, textLabel("Label208", nullptr, 13560, 1710, 615, 495, "00", sans(24), 0,
                                      Alignment::Center)),
    placed(compositionText,
           textLabel("Label207", nullptr, 14145, 1680, 135, 495, ":", sans(24), 0)),
    placed(compositionText,
           textLabel("Label210", nullptr, 14280, 1710, 615, 495, "00", sans(24), 0)),
    placed(compositionText, textLabel("Label202", nullptr, 12720, 2280, 2295, 375, "Дата",
                                      sans(8.25f), 0, Alignment::Center)),

    // Variant-1 item ring: icons and captions; caption 0 holds the item count.
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Image3",
                  .index = 0,
                  .count = 102,
                  .left = 7640,
                  .top = 5270,
                  .width = 480,
                  .height = 480,
                  .visible = false},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label6",
                  .index = 0,
                  .left = 7160,
                  .top = 5760,
                  .width = 1440,
                  .height = 255,
                  .caption = "0",
                  .foreColor = ringCaption,
                  .alignment = Alignment::Center,
                  .visible = false},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label6",
                  .index = 1,
                  .count = 101,
                  .left = 7160,
                  .top = 5760,
                  .width = 1440,
                  .height = 255,
                  .foreColor = ringCaption,
                  .alignment = Alignment::Center,
                  .visible = false},

    // Analogue clock hands, the centre dot last.
    clockHand("Line3", 2500, 9, forms::rgb(72, 162, 255)),
    clockHand("Line2", 3200, 7, forms::rgb(192, 192, 255)),
    clockHand("Line1", 3800, 5, forms::rgb(224, 224, 224)),
    clockHand("Line4", 0, 14, forms::rgb(0, 0, 128)),

    // Computer and recycle-bin texts, and the item information of variant 1
    // above the clock hands. The text boxes reach a little into the button
    // faces below them; the faces lie above so that they take the pointer
    // over their whole area.
    ControlDesign{.kind = ControlKind::Label,
                  .name = "kompinfo",
                  .left = 720,
                  .top = 8280,
                  .width = 3015,
                  .height = 855,
                  .foreColor = infoGrey,
                  .placement = compositionText},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "korzinainf",
                  .left = 12600,
                  .top = 8160,
                  .width = 2415,
                  .height = 855,
                  .foreColor = infoGrey,
                  .alignment = Alignment::Center,
                  .placement = Placement::RecycleText},
    infoLine(2700, textLabel("Label1", nullptr, 4200, 1080, 840, 300, "", sans(12), 0,
                             Alignment::Center)),
    infoLine(2190, textLabel("Label2", nullptr, 2520, 1320, 3855, 375, "", sans(8.25f), 0,
                             Alignment::Center)),
    infoLine(1800, textLabel("Label4", nullptr, 2640, 1560, 4215, 375, "", sans(8.25f), 0,
                             Alignment::Center)),
    infoLine(1500, textLabel("Label8", nullptr, 3240, 1800, 2880, 195, "", sans(8.25f), 0,
                             Alignment::Center)),

    // Variant-1 buttons.
    buttonFace("nastroyki", 720, 720),
    buttonCaption("Label14", 960, 840, 1215, "Options"),
    buttonFace("exitbut", 12960, 720),
    buttonCaption("Label12", 13200, 840, 1215, "Exit"),
    buttonFace("ProgrFiles", 720, 9000),
    buttonCaption("Label15", 840, 9120, 1455, "Program Files"),
    buttonFace("MoiDok", 720, 9660),
    buttonCaption("Label16", 960, 9800, 1215, "Documents"),
    buttonFace("Pusk", 720, 10320, 480),
    buttonCaption("Label13", 960, 10440, 1215, "Start"),
    buttonFace("Korzina", 12960, 9000),
    buttonCaption("Label17", 13200, 9120, 1215, "Empty Recycle"),
    buttonFace("Vihod", 12960, 9660),
    // Two lines on the face: "Switch off the computer" is too long for one.
    buttonCaption("Label10", 13200, 9705, 1215, "Shut down", 420),
    buttonFace("Perezagruzka", 12960, 10320),
    buttonCaption("Label11", 13200, 10365, 1215, "Restart", 420),

    // Variant-2 overlay, moved over the whole screen by the layout.
    placed(Placement::WholeScreen, frame("V1Frame", nullptr, -9960, 3960, 15375, 11535, v2Panel)),
    placed(Placement::DesignAreaEdges,
           image("Image1", "V1Frame", 120, 240, 15360, 11415, "Image1.jpg")),
    pictureHolder("Image8", "Image8.gif", 120, 10800, 450, 450, "V1Frame"),
    pictureHolder("Image9", "Image9.gif", 720, 10800, 450, 450, "V1Frame"),
    pictureHolder("Image10", "Image10.gif", 1320, 10800, 450, 450, "V1Frame"),
    pictureHolder("Image11", "Image11.gif", 1920, 10800, 450, 450, "V1Frame"),
    valueLabel("Starcoun", "0", 2640, 10800, "V1Frame"),
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label33",
                  .parent = "V1Frame",
                  .left = 960,
                  .top = 240,
                  .width = 2415,
                  .height = 1215,
                  .caption = "Recicle",
                  .foreColor = infoGrey,
                  .alignment = Alignment::Center,
                  .placement = compositionText},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label34",
                  .parent = "V1Frame",
                  .left = 5640,
                  .top = 240,
                  .width = 4095,
                  .height = 615,
                  .font = sans(8.25f),
                  .foreColor = infoGrey,
                  .alignment = Alignment::Center,
                  .placement = compositionText},
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Image4",
                  .parent = "V1Frame",
                  .index = 0,
                  .count = 101,
                  .left = 7440,
                  .top = 3600,
                  .width = 480,
                  .height = 480,
                  .visible = false},

    // Star panels.
    frame("Frame3", "V1Frame", 0, 3360, 2415, 2655, starPanel),
    starLine("Line10", "Frame3", 480, 1320, 480, 1680, 0x00FFFF),
    starLine("Line11", "Frame3", 360, 1560, 600, 1560, 0x00FFFF),
    starLine("Line12", "Frame3", 1200, 1800, 1200, 2160, 0x0000FF),
    starLine("Line13", "Frame3", 1080, 2040, 1320, 2040, 0x0000FF),
    starLine("Line14", "Frame3", 720, 1800, 720, 2160, 0xFFC0FF),
    starLine("Line15", "Frame3", 600, 2040, 840, 2040, 0xFFC0FF),
    frame("Frame4", "V1Frame", 600, 6360, 2295, 1815, starPanel),
    starLine("Line8", "Frame4", 960, 840, 960, 480, 0xFFFFFF),
    starLine("Line9", "Frame4", 720, 600, 1080, 600, 0xFFFFFF),
    starLine("Line16", "Frame4", 360, 480, 600, 720, 0x0000FF),
    starLine("Line17", "Frame4", 360, 600, 600, 600, 0x0000FF),
    starLine("Line18", "Frame4", 1680, 600, 1680, 840, 0x00FFFF),
    starLine("Line19", "Frame4", 1560, 720, 1800, 720, 0x00FFFF),

    // Empty-recycle-bin button.
    placed(composition, frame("Frame17", "V1Frame", 3480, 240, 2535, 495, v2Panel)),
    placed(inFrame, image("Image18", "Frame17", 195, 0, 390, 405, "v2rec2.jpg")),
    v2Label("Label51", "Frame17", 720, 120, 2175, 255, "Empty Recycle", sans(8.25f)),
    hitArea("Label52", "Frame17", 0, 0, 2295, 495),

    // Options and exit buttons.
    placed(composition, frame("Frame16", "V1Frame", 10080, 240, 5295, 495, v2Panel)),
    placed(inFrame, image("Image16", "Frame16", 80, 0, 420, 480, "v2opt2.jpg")),
    v2Label("Label47", "Frame16", 600, 200, 1095, 255, "Options", sans(8.25f)),
    hitArea("Label49", "Frame16", 0, 0, 1335, 615),
    placed(inFrame, image("Image17", "Frame16", 2040, 100, 360, 375, "v2ex2.jpg")),
    v2Label("Label48", "Frame16", 2565, 240, 2415, 255, "Exit Orvela", sans(8.25f)),
    hitArea("Label50", "Frame16", 2040, 0, 2295, 495),

    // Large clock, weekday and date; the dots give way to item information.
    placed(composition, frame("Frame7", "V1Frame", 5160, 8400, 5055, 2535, v2Panel)),
    placed(inFrameText, textLabel("Label30", "Frame7", 1200, 60, 705, 705, "00", times(33), v2Text,
                                  Alignment::Right)),
    placed(inFrameText, textLabel("Label27", "Frame7", 1965, 0, 195, 705, ":", times(33), v2Text)),
    placed(inFrameText, textLabel("Label29", "Frame7", 2160, 60, 705, 705, "00", times(33), v2Text,
                                  Alignment::Center)),
    placed(inFrameText, textLabel("Label28", "Frame7", 2880, 0, 195, 705, ":", times(33), v2Text)),
    placed(inFrameText,
           textLabel("Label31", "Frame7", 3120, 60, 705, 705, "00", times(33), v2Text)),
    v2Label("Label22", "Frame7", 0, 0, 5055, 1095, ".", sans(24), Alignment::Center),
    v2Label("Label23", "Frame7", 0, 1080, 5055, 300, ".", sans(13.5f), Alignment::Center),
    v2Label("Label26", "Frame7", 0, 1200, 5055, 615, "Day", times(15.75f), Alignment::Center),
    v2Label("Label24", "Frame7", 0, 1560, 5055, 495, ".", sans(13.5f), Alignment::Center),
    v2Label("Label32", "Frame7", 0, 1860, 5055, 615, "Date", times(21.75f), Alignment::Center),
    v2Label("Label25", "Frame7", 0, 2160, 5055, 375, ".", sans(12), Alignment::Center),

    // Folder, Start and drives buttons.
    placed(composition, frame("Frame14", "V1Frame", 720, 8880, 3855, 1935, v2Panel)),
    placed(inFrame, image("Image6", "Frame14", 60, 120, 465, 450, "v2pro2.jpg")),
    v2Label("Label35", "Frame14", 600, 360, 1695, 255, "  Program Files", sans(9.75f)),
    hitArea("Label38", "Frame14", 0, 120, 2175, 495),
    placed(inFrame, image("Image5", "Frame14", 80, 785, 435, 495, "v2doc2.jpg")),
    v2Label("Label36", "Frame14", 600, 960, 1455, 255, "  Documents", sans(9.75f)),
    hitArea("Label39", "Frame14", 0, 720, 2175, 495),
    placed(inFrame, image("Image2", "Frame14", 60, 1415, 495, 495, "v2st2.jpg")),
    v2Label("Label37", "Frame14", 600, 1560, 1455, 255, "  Start", sans(9.75f)),
    hitArea("Label40", "Frame14", 0, 1320, 2175, 615),
    placed(inFrame, image("Image7", "Frame14", 2700, 825, 705, 435, "v2dr2.jpg")),
    v2Label("Label41", "Frame14", 2280, 1320, 1575, 255, "Drives", sans(9.75f), Alignment::Center),
    hitArea("Label42", "Frame14", 2640, 720, 735, 855),

    // Restart and switch-off buttons.
    placed(composition, frame("Frame15", "V1Frame", 11760, 9360, 3135, 1335, v2Panel)),
    placed(inFrame, image("Image14", "Frame15", 50, 0, 495, 495, "v2reb2.jpg")),
    v2Label("Label43", "Frame15", 720, 140, 2895, 255, "Restart the computer", sans(8.25f)),
    hitArea("Label45", "Frame15", 0, 0, 3135, 615),
    placed(inFrame, image("Image15", "Frame15", 50, 780, 495, 495, "v2off2.jpg")),
    v2Label("Label44", "Frame15", 720, 860, 2895, 255, "Shut down the computer", sans(8.25f)),
    hitArea("Label46", "Frame15", 0, 720, 3135, 615),

    // Drives panel, above the other panels when it pops up.
    placed(composition, frame("Frame2", "V1Frame", 3840, 3120, 855, 6615, v2Panel, false)),
    placed(inFrame, image("Image13", "Frame2", 120, 600, 495, 1005, "Image13.jpg")),
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label3",
                  .parent = "Frame2",
                  .index = 0,
                  .count = 13,
                  .width = 855,
                  .height = 255,
                  .visible = false},
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Image12",
                  .parent = "Frame2",
                  .index = 1,
                  .count = 12,
                  .left = 202.5f,
                  .top = 250,
                  .width = 450,
                  .height = 450,
                  .visible = false,
                  .stretch = true,
                  .placement = inFrame},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label21",
                  .parent = "Frame2",
                  .index = 1,
                  .top = 700,
                  .width = 825,
                  .height = 495,
                  .foreColor = driveName,
                  .alignment = Alignment::Center,
                  .wordWrap = true,
                  .visible = false,
                  .placement = inFrameText},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label21",
                  .parent = "Frame2",
                  .index = 2,
                  .count = 11,
                  .top = 700,
                  .width = 1065,
                  .height = 495,
                  .foreColor = driveName,
                  .alignment = Alignment::Center,
                  .wordWrap = true,
                  .visible = false,
                  .placement = inFrameText},

    // Variant-3 overlay, moved over the whole screen by the layout.
    placed(Placement::WholeScreen, frame("V3Frame", nullptr, -2280, 6120, 15255, 11295, v3Back)),
    // The variant-3 scenery shows only through the mirror of Image20; the
    // margins show the mirror's wall going on (Image20's margin pieces).
    placed(Placement::DesignArea,
           image("Image19", "V3Frame", 240, 120, 14895, 11055, "Image19.jpg")),
    placed(Placement::DesignAreaEdges,
           image("Image20", "V3Frame", 840, 120, 14775, 10935, "Image20.gif")),
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Label59",
                  .parent = "V3Frame",
                  .left = 10320,
                  .top = 6240,
                  .width = 2415,
                  .height = 1215,
                  .caption = "korzin",
                  .foreColor = v3Info,
                  .alignment = Alignment::Center,
                  .placement = compositionText},

    // The scrolling strip of desktop items.
    placed(Placement::StripBand, frame("Frame5", "V3Frame", 2040, 960, 8655, 7575, v3Back)),
    ControlDesign{.kind = ControlKind::Image,
                  .name = "Image21",
                  .parent = "Frame5",
                  .index = 1,
                  .count = 130,
                  .left = 460,
                  .top = 96,
                  .width = 480,
                  .height = 480,
                  .visible = false,
                  .stretch = true,
                  .placement = inFrame},
    ControlDesign{.kind = ControlKind::Label,
                  .name = "Labe59",
                  .parent = "Frame5",
                  .index = 0,
                  .count = 131,
                  .top = 816,
                  .width = 1400,
                  .height = 400,
                  .foreColor = stripCaption,
                  .alignment = Alignment::Center,
                  .wordWrap = true,
                  .visible = false},

    // Clock and date.
    placed(composition, frame("Frame6", "V3Frame", 10560, 600, 3015, 1575, v3Panel)),
    placed(inFrameText, textLabel("Label57", "Frame6", 480, 270, 615, 495, "00", sans(24), v3Clock,
                                  Alignment::Right)),
    placed(inFrameText,
           textLabel("Label54", "Frame6", 1080, 240, 135, 495, ":", sans(24), v3Clock)),
    placed(inFrameText, textLabel("Label56", "Frame6", 1200, 270, 615, 495, "00", sans(24), v3Clock,
                                  Alignment::Center)),
    placed(inFrameText,
           textLabel("Label55", "Frame6", 1785, 240, 135, 495, ":", sans(24), v3Clock)),
    placed(inFrameText,
           textLabel("Label58", "Frame6", 1920, 270, 615, 495, "00", sans(24), v3Clock)),
    placed(inFrameText, textLabel("Label53", "Frame6", 360, 840, 2295, 735, "Дата", sans(8.25f),
                                  v3Clock, Alignment::Center)),

    // Buttons.
    placed(composition, frame("Frame8", "V3Frame", 10680, 2280, 3015, 495, v3Panel)),
    placed(inFrame, image("Image23", "Frame8", 0, 15, 930, 390, "v3op.jpg")),
    placed(inFrame, image("Image24", "Frame8", 1800, 0, 930, 390, "v3ex.jpg")),
    placed(composition, frame("Frame9", "V3Frame", 10680, 4080, 2055, 1095, v3Panel)),
    placed(inFrame, image("Image25", "Frame9", 0, 0, 1890, 390, "v3pr.jpg")),
    placed(inFrame, image("Image26", "Frame9", 0, 720, 1890, 390, "v3do.jpg")),
    placed(composition, frame("Frame10", "V3Frame", 10560, 7440, 1935, 375, v3Panel)),
    placed(inFrame, image("Image22", "Frame10", 0, 0, 1890, 390, "v3rec.jpg")),
    placed(composition, frame("Frame11", "V3Frame", 10440, 10200, 1425, 405, v3Panel)),
    placed(inFrame, image("Image29", "Frame11", 0, 0, 1425, 405, "v3sh.jpg")),
    placed(composition, frame("Frame12", "V3Frame", 360, 9960, 735, 375, v3Back)),
    placed(inFrame, image("Image27", "Frame12", 0, 0, 630, 315, "v3start.jpg")),
    placed(composition, frame("Frame13", "V3Frame", 10440, 10680, 885, 315, v3Panel)),
    placed(inFrame, image("Image28", "Frame13", 0, 0, 885, 315, "v3re.jpg")),

    // Pop-up menu, above both overlays.
    frame("Frame1", nullptr, 14640, 2760, 2295, 2295, menuBack, false),
    menuEntry("Label18", 120, "   Options"),
    menuSeparatorLine("Line7", 480),
    menuEntry("Label9", 600, "   Minimize"),
    menuSeparatorLine("Line6", 960),
    menuEntry("Label20", 1080, "   Reboot The Computer"),
    menuEntry("Label19", 1440, "   Switch Off The Computer"),
    menuSeparatorLine("Line5", 1800),
    menuEntry("Label5", 1920, "   Exit  Orvela"),
};

} // namespace

const forms::FormDesign& form2Design() {
    static const forms::FormDesign design{
        .name = "Form2",
        .caption = "      Orvela",
        .left = 0,
        .top = 0,
        .width = 15360,
        .height = 11520,
        // Shows beside the background picture on screens wider than it.
        .backColor = forms::rgb(24, 30, 90),
        .defaultFont = {.name = "MS Sans Serif", .size = 8.25f, .bold = true, .charset = 204},
        .borderless = true,
        .maximized = true,
        .controls = controls,
    };
    return design;
}

} // namespace orvela::shell
