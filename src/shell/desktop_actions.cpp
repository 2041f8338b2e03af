#include "shell/desktop_actions.h"

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
        else
            form3_.show();
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
    case DesktopAction::DrivesPanel: {
        forms::Control& panel = form().control("Frame2");
        panel.setVisible(!panel.visible());
        break;
    }
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

int DesktopActions::itemCount() const {
    int n = 0;
    while (n < desktopitems::DesktopItemTable::slotCount && items_.filled(n + 1))
        ++n;
    return n;
}

void DesktopActions::hideMenu() {
    form().control("Frame1").setVisible(false);
}

void DesktopActions::emptyRecycleBin() {
    // Emptied or not (the user may refuse), the bin's text is read afresh.
    (void)platform_.shell.emptyRecycleBin(0, "", 0);
    std::int64_t bytes = 0, count = 0;
    system_.queryRecycleBin("", bytes, count);
    forms::Form& f = form();
    f.control("korzinainf").setCaption(recycleBinSummary(count, bytes));
    f.control("Label59").setCaption(f.control("korzinainf").caption());
    f.control("Label33").setCaption(f.control("korzinainf").caption());
}

void DesktopActions::toggleStart() {
    taskbar_ = platform_.windows.findWindow("Shell_traywnd", "");
    const std::string state = settings_.get("checkpusk");
    if (state == "0")
        (void)platform_.windows.setWindowPos(taskbar_, 0, 0, 0, 0, 0, swpShowWindow);
    else if (state == "1" && showStartButton_)
        showStartButton_(true);
    settings_.set("checkpusk", state == "0" ? "1" : "0");
}

} // namespace orvela::shell
