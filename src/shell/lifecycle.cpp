#include "shell/lifecycle.h"

#include <stdexcept>

namespace orvela::shell {

using forms::Event;
using forms::EventType;

namespace {
constexpr const char* installerMarker = "install.exe";
constexpr int swShowNormal = 1;
} // namespace

forms::Form& Lifecycle::form(const char* name) const {
    forms::Form* f = runtime_.findForm(name);
    if (!f)
        throw std::logic_error(std::string("no form ") + name);
    return *f;
}

void Lifecycle::bind() {
    form("Form1").onLoad([this](const Event&) { startUp(); });
    form("Form6").onLoad([this](const Event&) { closeOtherWindows(); });
    form("Form6").on("Command1", EventType::Click, [this](const Event&) {
        const std::string installer =
            platform_.files.joinPath(platform_.files.programDir(), installerMarker);
        platform_.shell.shellExecute(0, "Open", installer, "", "", swShowNormal);
        form("Form6").unload();
    });
    form("Form6").on("Command2", EventType::Click,
                     [this](const Event&) { form("Form6").unload(); });
}

void Lifecycle::startUp() {
    forms::Form& form1 = form("Form1");
    if (platform_.system.anotherInstanceRunning()) {
        platform_.system.beep();
        form1.unload();
        return;
    }
    const std::string marker =
        platform_.files.joinPath(platform_.files.programDir(), installerMarker);
    if (platform_.files.fileExists(marker)) {
        showInstallerPrompt();
        return;
    }
    startupWindow_.centre();
    startupWindow_.prepareList();
    startupWindow_.findAndScanDesktop();
    form1.hide();
    form("Form2").show();
}

void Lifecycle::showInstallerPrompt() {
    form("Form6").show();
}

void Lifecycle::closeOtherWindows() {
    for (const char* name : {"Form2", "form3", "Form1"})
        if (forms::Form* f = runtime_.findForm(name))
            f->unload();
}

void Lifecycle::exitProgram() {
    for (const char* name : {"Form1", "Form2", "form3", "Form6"})
        if (forms::Form* f = runtime_.findForm(name))
            f->unload();
}

} // namespace orvela::shell
