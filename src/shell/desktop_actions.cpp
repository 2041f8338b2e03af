#include "shell/desktop_actions.h"

#include "shell/drive_list.h"
#include "shell/popup_menu.h"

namespace orvela::shell {

namespace {
constexpr int swShowNormal = 1;
constexpr unsigned swpShowWindow = 0x40;
} // namespace

void DesktopActions::run(DesktopAction action) {
    switch (action) {
    case DesktopAction::Options:
        if (openOptions_)
            openOptions_();
        break;
    case DesktopAction::ProgramFiles:
        open(form().control("profiledir").caption());
        break;
    case DesktopAction::Documents:
        open(form().control("docdir").caption());
        break;
    case DesktopAction::Start:
        toggleStart();
        break;
    case DesktopAction::Exit:
        if (exitProgram_)
            exitProgram_();
        break;
    case DesktopAction::EmptyRecycleBin:
        emptyRecycleBin();
        break;
    case DesktopAction::SwitchOff:
        system_.switchOffComputer();
        break;
    case DesktopAction::Restart:
        system_.restartComputer();
        break;
    case DesktopAction::Minimize:
        form().setWindowState(1);
        break;
    case DesktopAction::DrivesPanel:
        toggleDrivesPanel(form());
        break;
    }
}

forms::Picture DesktopActions::holderPicture(const char* holder) const {
    const forms::Control* c = form1_.find(holder);
    return c ? c->picture() : forms::Picture{};
}

void DesktopActions::open(const std::string& path) {
    if (path.empty())
        return;
    platform_.shell.shellExecute(0, "Open", path, "", "", swShowNormal);
}

void DesktopActions::openItem(int slot) {
    hideMenu();
    open(items_.get(desktopitems::ItemField::FullPath, slot));
}

void DesktopActions::hideMenu() {
    hidePopupMenu(form());
}

void DesktopActions::emptyRecycleBin() {
    // Emptied or not (the user may refuse), the bin's text is read afresh.
    (void)platform_.shell.emptyRecycleBin(0, "", 0);
    std::int64_t bytes = 0, count = 0;
    system_.queryRecycleBin("", bytes, count);
    showRecycleBin(recycleBinSummary(count, bytes));
}

void DesktopActions::showRecycleBin(const std::string& summary) {
    forms::Form& f = form();
    for (const char* label : recycleBinLabels)
        f.control(label).setCaption(summary);
}

void DesktopActions::setFolders(const std::string& programFiles, const std::string& documents) {
    forms::Form& f = form();
    f.control("profiledir").setCaption(programFiles);
    f.control("docdir").setCaption(documents);
}

void DesktopActions::toggleStart() {
    taskbar_ = platform_.windows.findWindow("Shell_traywnd", "");
    const std::optional<bool> state = settings_.values().taskbarToggle.value();
    if (state == false)
        (void)platform_.windows.setWindowPos(taskbar_, 0, 0, 0, 0, 0, swpShowWindow);
    else if (state == true && showStartButton_)
        showStartButton_(true);
    settings_.update([state](SettingsValues& v) { v.taskbarToggle.set(state == false); });
}

} // namespace orvela::shell
