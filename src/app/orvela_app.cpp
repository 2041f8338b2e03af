#include "app/orvela_app.h"

#include "desktopitems/desktop_scan.h"
#include "desktopitems/form1_design.h"
#include "desktopitems/item_layout.h"
#include "desktopitems/item_list_view.h"
#include "desktopitems/item_table.h"
#include "desktopitems/startup_window.h"
#include "options/form3_design.h"
#include "options/options_dialog.h"
#include "shell/desktop_settings.h"
#include "shell/form2_design.h"
#include "shell/form6_design.h"
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
          settingsFile(platform.files, settings, form2), system(platform, form2),
          mainWindow(platform, form1, form2, form3, settings, settingsFile, system, itemTable),
          itemLayout(form2), scan(platform, form1, form2, itemTable, itemLayout), listView(form1),
          startupWindow(platform, form1, scan), lifecycle(platform, runtime, startupWindow),
          options(platform, form2, form3, settings, settingsFile, mainWindow.clocks(),
                  mainWindow.calendar()) {}

    forms::Runtime runtime;
    forms::Form& form1;
    forms::Form& form2;
    forms::Form& form3;
    forms::Form& form6;
    shell::DesktopSettings settings;
    shell::SettingsFile settingsFile;
    shell::SystemInfo system;
    desktopitems::DesktopItemTable itemTable;
    shell::MainWindow mainWindow;
    desktopitems::ItemLayout itemLayout;
    desktopitems::DesktopScan scan;
    desktopitems::ItemListView listView;
    desktopitems::StartupWindow startupWindow;
    shell::Lifecycle lifecycle;
    options::OptionsDialog options;
};

OrvelaApp::OrvelaApp(platform::Platform& platform, forms::Clock& clock, float screenWidth,
                     float screenHeight)
    : parts_(std::make_unique<Parts>(platform, clock, screenWidth, screenHeight)) {
    parts_->lifecycle.bind();
    parts_->mainWindow.bind([this] { exitProgram(); });
    parts_->listView.bind();
    parts_->options.bind();
    parts_->mainWindow.actions().setOpenOptions([this] { parts_->options.showDialog(); });
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

const desktopitems::DesktopItemTable& OrvelaApp::desktopItems() const {
    return parts_->itemTable;
}

bool OrvelaApp::ended() const {
    return parts_->runtime.ended();
}

} // namespace orvela::app
