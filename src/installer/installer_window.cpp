#include "installer/installer_window.h"

#include "common/file_type_filters.h"
#include "common/folder_picker.h"
#include "forms/runtime.h"
#include "installer/centring.h"
#include "installer/install_path.h"
#include "installer/install_procedure.h"

namespace orvela::installer {

namespace {

using forms::EventType;

std::string couldNotCopy(const std::string& file, const std::string& folder) {
    return "Could not copy " + file + " into\r\n" + folder +
           "\r\nNothing has been moved: choose another folder and press Next again.";
}

std::string shortcutsNotMade(const std::vector<std::string>& names) {
    std::string text = "These shortcuts could not be made: ";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i ? ", " : "") + names[i];
    return text + ".";
}

} // namespace

void InstallerWindow::bind() {
    form1_.onLoad([this](const forms::Event&) { Form_Load(); });
    form1_.on("cmdSelect", EventType::Click, [this](const forms::Event& e) {
        if (e.index == 0)
            Brouse();
        else if (e.index == 2)
            close();
    });
    form1_.on("Command1", EventType::Click, [this](const forms::Event&) { Next(); });
    form1_.on("Command2", EventType::Click, [this](const forms::Event&) { close(); });
}

forms::Control& InstallerWindow::control(const char* name, int index) const {
    return form1_.touch().control(name, index);
}

void InstallerWindow::Form_Load() {
    showDone(false);
    form1_.move(centredOffset(form1_.screenWidth(), form1_.width()),
                centredOffset(form1_.screenHeight(), form1_.height()), form1_.width(),
                form1_.height());
    forms::Control& combo = control("Combo1");
    combo.clearItems();
    for (const char* entry : common::fileTypeFilters)
        combo.addItem(entry);
    combo.setListIndex(0);
}

std::string InstallerWindow::filterDescription() const {
    const forms::Control& combo = control("Combo1");
    if (combo.listIndex() < 0)
        return {};
    const std::string& entry = combo.items()[static_cast<std::size_t>(combo.listIndex())];
    return entry.substr(0, entry.find(" ("));
}

void InstallerWindow::Brouse() {
    const std::string folder = common::vbGetBrowseDirectory(platform_.shell, filterDescription());
    if (!folder.empty())
        applyChosenFolder(folder);
}

void InstallerWindow::applyChosenFolder(const std::string& folder) {
    const std::string path = installPathIn(folder);
    control("Text1").setText(path);
    control("DisplayName").setCaption(path);
}

void InstallerWindow::close() {
    form1_.unload();
}

void InstallerWindow::showDone(bool done) {
    control("Text1").setVisible(!done);
    control("cmdSelect", 0).setVisible(!done);
    control("cmdSelect", 2).setVisible(!done);
    control("Command1").setVisible(!done);
    control("Label6").setVisible(done);
    control("Command2").setVisible(done);
}

std::string InstallerWindow::shippingFolder() const {
    const std::string dir = platform_.files.programDir();
    if (!dir.empty() && (dir.back() == '\\' || dir.back() == '/'))
        return dir;
    return dir + "\\";
}

void InstallerWindow::Next() {
    forms::Control& text1 = control("Text1");
    const auto installFolder = forceProgramFolder(text1.text());
    if (!installFolder) {
        text1.setText("");
        return;
    }
    prepareInstallFolder(platform_.files, *installFolder);
    const MoveOutcome moved = moveShippedFiles(platform_.files, shippingFolder(), *installFolder);
    if (!moved.moved) {
        control("Label5").setCaption(couldNotCopy(moved.failedFile, *installFolder));
        return;
    }
    showDone(true);
    const std::vector<std::string> failed = makeShortcuts(platform_, *installFolder);
    if (!failed.empty()) {
        forms::Control& label6 = control("Label6");
        label6.setCaption(label6.caption() + "\r\n" + shortcutsNotMade(failed));
    }
}

} // namespace orvela::installer
