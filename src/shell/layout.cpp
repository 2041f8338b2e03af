#include "shell/layout.h"

#include "common/value_text.h"
#include "forms/runtime.h"

#include <cmath>

namespace orvela::shell {

using common::textToNumber;

float scaledLength(float v, double h) {
    float quotient = v / 768.0f;
    return static_cast<float>(h * static_cast<double>(quotient));
}

float scaledFontSize(float points, double h) {
    return static_cast<float>(std::floor(h * (static_cast<double>(points) / 768.0)));
}

std::string backgroundHolderFor(double h) {
    std::string holder = "Fon1024";
    if (h <= 650)
        holder = "Fon800";
    if (h > 820 && h < 1000)
        holder = "Fon1152";
    if (h > 1000)
        holder = "Fon1600";
    return holder;
}

forms::Control& ScreenLayout::c(const char* name, int index) const {
    return form2_.control(name, index);
}

bool ScreenLayout::placedFromScreenCorner(const forms::Control& control) const {
    const forms::Control* parent = control.parent();
    return !parent || parent->name() == "V1Frame" || parent->name() == "V3Frame";
}

float ScreenLayout::offsetX(const forms::Control& control) const {
    return placedFromScreenCorner(control) ? composition_.left : 0;
}

float ScreenLayout::offsetY(const forms::Control& control) const {
    return placedFromScreenCorner(control) ? composition_.top : 0;
}

void ScreenLayout::scale(forms::Control& control, double h) const {
    control.setTop(scaledLength(control.top(), h) + offsetY(control));
    control.setLeft(scaledLength(control.left(), h) + offsetX(control));
    control.setHeight(scaledLength(control.height(), h));
    control.setWidth(scaledLength(control.width(), h));
}

void ScreenLayout::scaleWithFont(forms::Control& control, double h) const {
    scale(control, h);
    control.setFontSize(scaledFontSize(control.font().size, h));
}

void ScreenLayout::coverScreen(forms::Control& control) const {
    const forms::Runtime& rt = form2_.runtime();
    control.move(0, 0, rt.screenWidth(), rt.screenHeight());
}

void ScreenLayout::coverDesign(forms::Control& control, bool continueEdges) const {
    const forms::Rect area = composition_.area();
    control.move(area.left, area.top, area.width, area.height);
    control.setFillsParent(continueEdges);
}

void ScreenLayout::scaleMainLayout() {
    const double h = composition_.height;
    const forms::Runtime& rt = form2_.runtime();

    forms::Control& fon = c("Fon");
    fon.setPicture(c(backgroundHolderFor(h).c_str()).picture());

    for (const char* name :
         {"Label209", "Label210", "Label208", "Label206", "Label207", "Label202"})
        scaleWithFont(c(name), h);

    const char* buttons[][2] = {{"nastroyki", "Label14"},    {"ProgrFiles", "Label15"},
                                {"MoiDok", "Label16"},       {"Pusk", "Label13"},
                                {"Korzina", "Label17"},      {"Vihod", "Label10"},
                                {"Perezagruzka", "Label11"}, {"exitbut", "Label12"}};
    for (const auto& button : buttons) {
        scale(c(button[0]), h);
        scaleWithFont(c(button[1]), h);
    }

    scaleWithFont(c("kompinfo"), h);

    // The recycle-bin text sits a little higher and taller on 600-line screens.
    forms::Control& korzinainf = c("korzinainf");
    if (h != 600)
        korzinainf.setTop(scaledLength(korzinainf.top(), h) + offsetY(korzinainf));
    else
        korzinainf.setTop(
            static_cast<float>(h * static_cast<double>(korzinainf.top() / 768.0f) - 150) +
            offsetY(korzinainf));
    korzinainf.setLeft(scaledLength(korzinainf.left(), h) + offsetX(korzinainf));
    if (h != 600)
        korzinainf.setHeight(scaledLength(korzinainf.height(), h));
    else
        korzinainf.setHeight(
            static_cast<float>(h * static_cast<double>(korzinainf.height() / 768.0f) + 100));
    korzinainf.setWidth(scaledLength(korzinainf.width(), h));
    korzinainf.setFontSize(scaledFontSize(korzinainf.font().size, h));

    // The file-information block: centred with an offset, above the middle.
    const double screenW = rt.screenWidth(), screenH = rt.screenHeight();
    const char* infoLabels[] = {"Label1", "Label2", "Label4", "Label8"};
    for (const char* name : infoLabels) {
        forms::Control& label = c(name);
        label.setLeft(static_cast<float>(screenW / 2 + h * (200.0 / 768.0) -
                                         static_cast<double>(label.width()) / 2));
    }
    const double rowFactors[] = {9, 7.3, 6, 5};
    const double infoHeight = c("Label1").height();
    for (int i = 0; i < 4; ++i)
        c(infoLabels[i])
            .setTop(static_cast<float>(screenH / 2 - h * (rowFactors[i] * infoHeight / 768.0)));

    scaleWithFont(c("Label101"), h);
    scaleWithFont(c("Label102"), h);

    // Calendar headers and cells: always moved, resized only above 700 lines.
    for (int n = 103; n <= 151; ++n) {
        forms::Control& cell = c(("Label" + std::to_string(n)).c_str());
        cell.setTop(scaledLength(cell.top(), h) + offsetY(cell));
        cell.setLeft(scaledLength(cell.left(), h) + offsetX(cell));
        if (h > 700) {
            cell.setHeight(scaledLength(cell.height(), h));
            cell.setWidth(scaledLength(cell.width(), h));
            cell.setFontSize(scaledFontSize(cell.font().size, h));
        }
    }
}

void ScreenLayout::scaleV1Frame() {
    const double h = composition_.height;
    coverScreen(c("V1Frame"));
    coverDesign(c("Image1"), true);

    for (const char* name :
         {"Label33", "Label52", "Label34", "Label49", "Label47", "Label50", "Label48", "Label38",
          "Label39", "Label40", "Label37", "Label36", "Label35", "Label42", "Label41", "Label27",
          "Label28", "Label29", "Label30", "Label31", "Label26", "Label32", "Label23", "Label24",
          "Label25", "Label22", "Label45", "Label46", "Label44", "Label43", "Label51"})
        scaleWithFont(c(name), h);

    for (const char* name :
         {"Image18", "Image16", "Image17", "Image2", "Image5", "Image6", "Image7", "Image15",
          "Image14", "Frame2", "Frame7", "Frame14", "Frame15", "Frame16", "Frame17", "Image13"})
        scale(c(name), h);

    for (int i = 1; i <= 12; ++i) {
        scaleWithFont(c("Label21", i), h);
        scale(c("Image12", i), h);
    }
}

void ScreenLayout::scaleV3Frame() {
    const double h = composition_.height;
    forms::Control& v3 = c("V3Frame");
    coverScreen(v3);
    // The variant-3 scenery runs to its edges behind the frame of Image20, so
    // continuing it would show the scenery without its frame: the margins
    // keep the overlay's colour.
    coverDesign(c("Image19"), false);
    coverDesign(c("Image20"), false);

    forms::Control& strip = c("Frame5");
    strip.setTop(static_cast<float>(static_cast<double>(v3.height() / 4) * 2.85));
    strip.setLeft(0);
    strip.setHeight(static_cast<float>(static_cast<double>(v3.height() / 8) * 0.98));

    for (int i = 1; i <= 130; ++i)
        scale(c("Image21", i), h);

    for (const char* name :
         {"Label53", "Label57", "Label56", "Label58", "Label54", "Label55", "Label59"})
        scaleWithFont(c(name), h);

    for (const char* name :
         {"Image23", "Image24", "Image25", "Image26", "Image22", "Image28", "Image29", "Image27",
          "Frame6", "Frame8", "Frame9", "Frame10", "Frame11", "Frame12", "Frame13"})
        scale(c(name), h);
}

} // namespace orvela::shell
