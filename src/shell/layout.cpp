#include "shell/layout.h"

#include "forms/runtime.h"

#include <cmath>

namespace orvela::shell {

using forms::Placement;

namespace {

// Every element of a design row: the control itself, or each of its array.
template <typename Action>
void forEachElement(const forms::Form& form, const forms::ControlDesign& row, Action action) {
    if (row.index < 0) {
        action(form.control(row.name));
        return;
    }
    for (int i = row.index; i < row.index + row.count; ++i)
        action(form.control(row.name, i));
}

float designFontSize(const forms::Form& form, const forms::ControlDesign& row) {
    return row.font.name ? row.font.size : form.design().defaultFont.size;
}

bool scalesFont(Placement p) {
    return p == Placement::CompositionText || p == Placement::InFrameText;
}

} // namespace

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

void ScreenLayout::restoreDesign() {
    for (const forms::ControlDesign& row : form2_.design().controls) {
        if (row.placement == Placement::Fixed)
            continue;
        const float points = designFontSize(form2_, row);
        forEachElement(form2_, row, [&](forms::Control& c) {
            c.move(row.left, row.top, row.width, row.height);
            c.setFontSize(points);
        });
    }
}

void ScreenLayout::layOut() {
    forms::Control& fon = form2_.control("Fon");
    fon.setPicture(form2_.control(backgroundHolderFor(composition_.height)).picture());
    for (const forms::ControlDesign& row : form2_.design().controls)
        if (row.placement != Placement::Fixed)
            forEachElement(form2_, row, [&](forms::Control& c) { place(c, row); });
}

void ScreenLayout::place(forms::Control& control, const forms::ControlDesign& row) const {
    const double h = composition_.height;
    switch (row.placement) {
    case Placement::Fixed:
        break;
    case Placement::Composition:
    case Placement::CompositionText:
    case Placement::InFrame:
    case Placement::InFrameText: {
        const bool offset =
            row.placement == Placement::Composition || row.placement == Placement::CompositionText;
        scale(control, offset);
        if (scalesFont(row.placement))
            scaleFont(control);
        break;
    }
    case Placement::CalendarCell:
        // Always moved, resized only above 700 lines.
        control.setTop(scaledLength(control.top(), h) + composition_.top);
        control.setLeft(scaledLength(control.left(), h) + composition_.left);
        if (h > 700) {
            control.setHeight(scaledLength(control.height(), h));
            control.setWidth(scaledLength(control.width(), h));
            scaleFont(control);
        }
        break;
    case Placement::RecycleText:
        placeRecycleText(control);
        break;
    case Placement::InfoLine:
        placeInfoLine(control, row.rise);
        break;
    case Placement::WholeScreen:
        coverScreen(control);
        break;
    case Placement::DesignArea:
    case Placement::DesignAreaEdges:
        coverDesign(control, row.placement == Placement::DesignAreaEdges);
        break;
    case Placement::StripBand:
        placeStripBand(control);
        break;
    }
}

void ScreenLayout::scale(forms::Control& control, bool offset) const {
    const double h = composition_.height;
    control.setTop(scaledLength(control.top(), h) + (offset ? composition_.top : 0));
    control.setLeft(scaledLength(control.left(), h) + (offset ? composition_.left : 0));
    control.setHeight(scaledLength(control.height(), h));
    control.setWidth(scaledLength(control.width(), h));
}

void ScreenLayout::scaleFont(forms::Control& control) const {
    control.setFontSize(scaledFontSize(control.font().size, composition_.height));
}

void ScreenLayout::placeRecycleText(forms::Control& control) const {
    // The recycle-bin text sits a little higher and taller on 600-line screens.
    const double h = composition_.height;
    if (h != 600)
        control.setTop(scaledLength(control.top(), h) + composition_.top);
    else
        control.setTop(static_cast<float>(h * static_cast<double>(control.top() / 768.0f) - 150) +
                       composition_.top);
    control.setLeft(scaledLength(control.left(), h) + composition_.left);
    if (h != 600)
        control.setHeight(scaledLength(control.height(), h));
    else
        control.setHeight(
            static_cast<float>(h * static_cast<double>(control.height() / 768.0f) + 100));
    control.setWidth(scaledLength(control.width(), h));
    scaleFont(control);
}

void ScreenLayout::placeInfoLine(forms::Control& control, float rise) const {
    // The file-information block: centred with an offset, above the middle.
    const forms::Runtime& rt = form2_.runtime();
    const double h = composition_.height;
    const double screenW = rt.screenWidth(), screenH = rt.screenHeight();
    control.setLeft(static_cast<float>(screenW / 2 + h * (200.0 / 768.0) -
                                       static_cast<double>(control.width()) / 2));
    control.setTop(static_cast<float>(screenH / 2 - h * (static_cast<double>(rise) / 768.0)));
}

void ScreenLayout::placeStripBand(forms::Control& strip) const {
    const float overlayHeight = strip.parent() ? strip.parent()->height() : form2_.height();
    strip.setTop(static_cast<float>(static_cast<double>(overlayHeight / 4) * 2.85));
    strip.setLeft(0);
    strip.setHeight(static_cast<float>(static_cast<double>(overlayHeight / 8) * 0.98));
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

} // namespace orvela::shell
