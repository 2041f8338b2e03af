#include "sim_programs.h"

#include "app/orvela_app.h"
#include "installer/installer_app.h"
#include "installer/uninstaller.h"
#include "platform/fake/text_format.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace orvela::sim {

namespace {

namespace fs = std::filesystem;
using platform::fake::quoteText;

class OrvelaProgram final : public SimProgram {
public:
    OrvelaProgram(platform::Platform& platform, forms::Clock& clock, float w, float h)
        : app_(platform, clock, w, h) {}
    forms::Runtime& runtime() override { return app_.runtime(); }
    void start() override { app_.start(); }
    bool ended() const override { return app_.ended(); }
    void clockChanged() override { app_.clockChanged(); }
    void hideDesktop(shell::HiddenReason reason) override { app_.hideDesktop(reason); }
    void showDesktop(shell::HiddenReason reason) override { app_.showDesktop(reason); }
    void displayChanged(unsigned w, unsigned h, unsigned dpi) override {
        app_.displayChanged(w, h, dpi);
    }
    const desktopitems::DesktopItemTable* desktopItems() const override {
        return &app_.desktopItems();
    }

private:
    app::OrvelaApp app_;
};

class InstallerProgram final : public SimProgram {
public:
    InstallerProgram(platform::Platform& platform, forms::Clock& clock, float w, float h)
        : app_(platform, clock, w, h) {}
    forms::Runtime& runtime() override { return app_.runtime(); }
    void start() override { app_.start(); }
    bool ended() const override { return app_.ended(); }

private:
    installer::InstallerApp app_;
};

// The uninstaller has no window; it ends when its run is over. What it
// leaves for after its exit happens on the real folders of the fake.
class UninstallerProgram final : public SimProgram, private installer::SelfRemoval {
public:
    UninstallerProgram(platform::fake::FakePlatform& fake, platform::Platform& platform,
                       forms::Clock& clock, float w, float h)
        : fake_(fake), runtime_(clock, w, h), uninstaller_(platform, *this) {}
    forms::Runtime& runtime() override { return runtime_; }
    void start() override {
        uninstaller_.run();
        ended_ = true;
    }
    bool ended() const override { return ended_; }
    std::vector<std::string> afterExit() override {
        std::vector<std::string> done;
        if (!pending_)
            return done;
        std::error_code ec;
        const auto file = fake_.hostPath(pending_->file), folder = fake_.hostPath(pending_->folder);
        if (file && fs::remove(*file, ec))
            done.push_back("after exit: deleted " + quoteText(pending_->file));
        if (!pending_->folder.empty() && folder && fs::is_empty(*folder, ec) &&
            fs::remove(*folder, ec))
            done.push_back("after exit: removed folder " + quoteText(pending_->folder));
        pending_.reset();
        return done;
    }

private:
    struct Removal {
        std::string file, folder;
    };
    bool removeAfterExit(const std::string& file, const std::string& folder) override {
        pending_ = Removal{file, folder};
        return true;
    }

    platform::fake::FakePlatform& fake_;
    forms::Runtime runtime_;
    installer::Uninstaller uninstaller_;
    std::optional<Removal> pending_;
    bool ended_ = false;
};

} // namespace

std::unique_ptr<SimProgram> makeProgram(ProgramKind kind, platform::fake::FakePlatform& fake,
                                        platform::Platform& platform, forms::Clock& clock,
                                        float screenWidth, float screenHeight) {
    switch (kind) {
    case ProgramKind::installer:
        return std::make_unique<InstallerProgram>(platform, clock, screenWidth, screenHeight);
    case ProgramKind::uninstaller:
        return std::make_unique<UninstallerProgram>(fake, platform, clock, screenWidth,
                                                    screenHeight);
    case ProgramKind::orvela:
        break;
    }
    return std::make_unique<OrvelaProgram>(platform, clock, screenWidth, screenHeight);
}

} // namespace orvela::sim
