#include "installer/installer_app.h"

#include "installer/form1_design.h"

namespace orvela::installer {

InstallerApp::InstallerApp(platform::Platform& platform, forms::Clock& clock, float screenWidth,
                           float screenHeight)
    : runtime_(clock, screenWidth, screenHeight), form1_(runtime_.addForm(form1Design())),
      window_(platform, form1_) {
    runtime_.setDpi(platform.display.screenDpi());
    window_.bind();
}

void InstallerApp::start() {
    form1_.show();
}

void InstallerApp::closeRequested(forms::Form& form) {
    form.unload();
}

} // namespace orvela::installer
