#include "app/orvela_app.h"

#include "desktopitems/desktop_scan.h"
#include "desktopitems/form1_design.h"
#include "desktopitems/item_layout.h"
#include "desktopitems/item_list_view.h"
#include "desktopitems/item_table.h"
#include "desktopitems/startup_window.h"
#include "forms/geometry.h"
#include "options/form3_design.h"
#include "options/options_dialog.h"
#include "shell/desktop_settings.h"
#include "shell/form2_design.h"
#include "shell/form6_design.h"
#include "shell/item_info.h"
#include "shell/lifecycle.h"
#include "shell/main_window.h"
#include "shell/settings_file.h"
#include "shell/system_info.h"

namespace orvela::app {

// Everything the program is made of, in the order it is wired.
struct OrvelaApp::Parts {
    Parts(platform::Platform& platform, forms::Clock& clock, float screenWidth, float screenHeight)
        : runtime(clock, screenWidth, screenHeight),
          form1(runtime.addForm(desktopitems::form1Design())),
          form2(runtime.addForm(shell::form2Design())),
          form3(runtime.addForm(options::form3Design())),
          form6(runtime.addForm(shell::form6Design())), settings(form1),
          settingsFile(platform.files, settings), system(platform, form2), itemLayout(form2),
          mainWindow(platform, form1, form2, settings, settingsFile, system, itemTable, itemLayout),
          scan(platform, form1, itemTable, itemLayout), listView(form1),
          startupWindow(platform, form1, scan), lifecycle(platform, runtime, startupWindow),
          options(platform, form3, settings, settingsFile, mainWindow) {}

    forms::Runtime runtime;
    forms::Form& form1;
    forms::Form& form2;
    forms::Form& form3;
    forms::Form& form6;
    shell::DesktopSettings settings;
    shell::SettingsFile settingsFile;
    shell::SystemInfo system;
    desktopitems::DesktopItemTable itemTable;
    desktopitems::ItemLayout itemLayout;
    shell::MainWindow mainWindow;
    desktopitems::DesktopScan scan;
    desktopitems::ItemListView listView;
    desktopitems::StartupWindow startupWindow;
    shell::Lifecycle lifecycle;
    options::OptionsDialog options;
};

OrvelaApp::OrvelaApp(platform::Platform& platform, forms::Clock& clock, float screenWidth,
                     float screenHeight)
    : parts_(std::make_unique<Parts>(platform, clock, screenWidth, screenHeight)) {
    parts_->runtime.setDpi(platform.display.screenDpi());
    parts_->lifecycle.bind();
    parts_->mainWindow.bind([this] { exitProgram(); });
    parts_->listView.bind();
    parts_->scan.onItemScanned([this](const std::string& type, const std::string& created) {
        shell::showScannedItem(parts_->form2, type, created);
    });
    parts_->options.bind();
    parts_->mainWindow.actions().setOpenOptions([this] { parts_->options.showDialog(); });
    parts_->mainWindow.setOtherCaptions([this] { parts_->options.setCaptions(); });
}

OrvelaApp::~OrvelaApp() = default;

forms::Runtime& OrvelaApp::runtime() {
    return parts_->runtime;
}

void OrvelaApp::start() {
    parts_->form1.touch();
}

void OrvelaApp::exitProgram() {
    parts_->lifecycle.exitProgram();
}

void OrvelaApp::closeRequested(forms::Form& form) {
    if (&form == &parts_->form2)
        exitProgram();
    else if (&form == &parts_->form3)
        parts_->options.cancel(); // the close box cancels, as Esc does
    else
        form.unload();
}

void OrvelaApp::displayChanged(unsigned widthPixels, unsigned heightPixels, unsigned dpi) {
    // Every top-level window hears of the change: the first lays out, the
    // others find the screen as it is already.
    forms::Runtime& rt = parts_->runtime;
    const float w = rt.screenWidth(), h = rt.screenHeight();
    if (widthPixels == 0 && heightPixels == 0) {
        widthPixels = static_cast<unsigned>(forms::twipsToPixels(w));
        heightPixels = static_cast<unsigned>(forms::twipsToPixels(h));
    }
    const bool newDpi =
        dpi != 0 && dpi <= 480 && forms::usableDpi(static_cast<int>(dpi)) != rt.dpi();
    if (!newDpi && forms::pixelsToTwips(static_cast<int>(widthPixels)) == w &&
        forms::pixelsToTwips(static_cast<int>(heightPixels)) == h)
        return;
    if (newDpi)
        rt.setDpi(static_cast<int>(dpi));
    parts_->mainWindow.displayChanged(widthPixels, heightPixels, newDpi);
    const bool changed = newDpi || w != rt.screenWidth() || h != rt.screenHeight();
    if (changed && parts_->form3.loaded())
        parts_->options.centre();
}

const desktopitems::DesktopItemTable& OrvelaApp::desktopItems() const {
    return parts_->itemTable;
}

desktopitems::ItemLayout& OrvelaApp::itemLayout() {
    return parts_->itemLayout;
}

void OrvelaApp::clockChanged() {
    if (parts_->form2.loaded())
        parts_->mainWindow.clockChanged();
}

void OrvelaApp::hideDesktop(shell::HiddenReason reason) {
    parts_->mainWindow.hideDesktop(reason);
}

void OrvelaApp::showDesktop(shell::HiddenReason reason) {
    parts_->mainWindow.showDesktop(reason);
}

bool OrvelaApp::ended() const {
    return parts_->runtime.ended();
}

} // namespace orvela::app
