#include "shell/main_window.h"

#include "shell/drive_list.h"
#include "shell/layout.h"
#include "shell/value_text.h"

#include <string>

namespace orvela::shell {

using forms::Event;
using forms::EventType;

namespace {
// The design height; also what the layout falls back to when the display
// mode cannot be read, so the window keeps its design geometry.
constexpr unsigned designScreenHeight = 768;
constexpr int swHide = 0, swShowNormal = 1;
} // namespace

void MainWindow::bind(std::function<void()> exitProgram) {
    form2_.onLoad([this](const Event&) { loadMainWindow(); });
    form2_.on("Timer1", EventType::Timer, [this](const Event&) { timerTick(); });
    for (const char* name : {"exitbut", "Label12", "Image24", "Label50"})
        form2_.on(name, EventType::Click, [exitProgram](const Event&) { exitProgram(); });
    form2_.on("Label5", EventType::Click, [this, exitProgram](const Event&) {
        form().control("Frame1").setVisible(false);
        exitProgram();
    });
}

void MainWindow::loadMainWindow() {
    forms::Form& f = form();
    settingsFile_.loadSettings();

    platform::DisplayMode mode;
    unsigned height = platform_.display.enumCurrentDisplaySettings(mode) ? mode.height : 0;
    f.control("screeny").setCaption(std::to_string(height ? height : designScreenHeight));

    f.control("Line3").setBorderColor(forms::rgb(72, 162, 255));
    f.clearSurface();
    f.control("Fon").setVisible(false);
    f.control("kompinfo").setCaption("");
    f.control("profiledir").setCaption(system_.specialFolderPath(programFilesFolder));
    f.control("docdir").setCaption(system_.specialFolderPath(documentsFolder));
    system_.showComputerName();
    system_.showUserName();

    std::int64_t bytes = 0, items = 0;
    system_.queryRecycleBin("", bytes, items);
    const std::string summary = recycleBinSummary(items, bytes);
    f.control("korzinainf").setCaption(summary);
    f.control("Label33").setCaption(summary);
    f.control("Label59").setCaption(summary);

    fillDriveList(f, platform_.system);
    applyDisplayVariant();
    setCaptions();
    if (settings_.get("v1calend") == "1")
        showCalendar();
    else
        hideCalendar();
    if (settings_.get("v1timer") == "1")
        showClockGroup();
    else
        hideClockGroup();
    fillCalendar();
    datash();
    f.setPicture(f.control("Fon").picture());
    f.invalidateAll();
}

void MainWindow::applyDisplayVariant() {
    const int variant = textToInt(settings_.get("deskvar"));
    ScreenLayout layout(form());
    layout.scaleMainLayout();
    layout.scaleV1Frame();
    layout.scaleV3Frame();
    switch (variant) {
    case 1:
        showVariantOne();
        break;
    case 2:
        showVariantTwo();
        break;
    case 3:
        showVariantThree();
        break;
    default:
        break;
    }
}

void MainWindow::setOverlays(bool v1Frame, bool v3Frame) {
    form().control("V1Frame").setVisible(v1Frame);
    form().control("V3Frame").setVisible(v3Frame);
}

void MainWindow::showVariantOne() {
    setOverlays(false, false);
}

void MainWindow::showVariantTwo() {
    setOverlays(true, false);
}

void MainWindow::showVariantThree() {
    settings_.set("v3shag2", settings_.get("v3shag"));
    setOverlays(false, true);
}

void MainWindow::setStartButtonVisible(bool visible) {
    platform::WindowHandle taskbar = platform_.windows.findWindow("Shell_TrayWnd", "");
    platform::WindowHandle start = platform_.windows.findWindowEx(taskbar, 0, "Button", "");
    platform_.windows.showWindow(start, visible ? swShowNormal : swHide);
}

void MainWindow::setCalendarVisible(bool visible) {
    forms::Form& f = form();
    for (int n = 101; n <= 151; ++n)
        f.control("Label" + std::to_string(n)).setVisible(visible);
}

void MainWindow::setClockGroupVisible(bool visible) {
    forms::Form& f = form();
    for (const char* name :
         {"Label202", "Label206", "Label207", "Label208", "Label209", "Label210"})
        f.control(name).setVisible(visible);
}

void MainWindow::showCalendar() {
    setCalendarVisible(true);
}
void MainWindow::hideCalendar() {
    setCalendarVisible(false);
}
void MainWindow::showClockGroup() {
    setClockGroupVisible(true);
}
void MainWindow::hideClockGroup() {
    setClockGroupVisible(false);
}

// The captions, the calendar, the date and the animation of the variants
// are filled in by their own procedures; until then the design captions
// stand and the tick does nothing.
void MainWindow::setCaptions() {}
void MainWindow::fillCalendar() {}
void MainWindow::datash() {}
void MainWindow::timerTick() {}

} // namespace orvela::shell
