#include "installer/installer_window.h"

#include "common/file_type_filters.h"
#include "common/folder_picker.h"
#include "forms/runtime.h"
#include "installer/centring.h"
#include "installer/install_messages.h"
#include "installer/install_path.h"
#include "installer/install_procedure.h"

namespace orvela::installer {

namespace {

using forms::EventType;

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
    label5Text_ = control("Label5").caption();
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

std::string InstallerWindow::install(const std::string& installFolder) {
    const std::string shipping = shippingFolder();
    if (const auto missing = missingShippedFile(platform_.files, shipping))
        return missingFileText(*missing, shipping);
    // Another failure to make the folder shows when the first file is copied.
    if (prepareInstallFolder(platform_.files, installFolder).accessDenied())
        return needsRightsText(installFolder);
    const MoveOutcome moved = moveShippedFiles(platform_.files, shipping, installFolder);
    switch (moved.failure) {
    case MoveFailure::none:
        return {};
    case MoveFailure::sameFolder:
        return sameFolderText(installFolder);
    case MoveFailure::missingFile:
        return missingFileText(moved.failedFile, shipping);
    case MoveFailure::accessDenied:
        return needsRightsText(installFolder);
    case MoveFailure::copyFailed:
        break;
    }
    return couldNotCopyText(moved.failedFile, installFolder);
}

void InstallerWindow::Next() {
    forms::Control& text1 = control("Text1");
    const std::string typed = text1.text();
    const InstallPathCheck check = checkInstallPath(typed);
    if (check.refusal != PathRefusal::none) {
        text1.setText("");
        control("Label5").setCaption(refusedPathText(typed, check));
        return;
    }
    const std::string& installFolder = check.forced;
    if (const std::string failure = install(installFolder); !failure.empty()) {
        control("Label5").setCaption(failure);
        return;
    }
    control("Label5").setCaption(label5Text_);
    showDone(true);
    const std::vector<std::string> failed = makeShortcuts(platform_, installFolder);
    if (!failed.empty()) {
        forms::Control& label6 = control("Label6");
        label6.setCaption(label6.caption() + "\r\n" + shortcutsNotMade(failed));
    }
}

} // namespace orvela::installer
