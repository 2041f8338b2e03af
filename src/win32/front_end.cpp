#include "win32/front_end.h"

#include "win32/desktop_watch.h"

#include "win32/failure_report.h"
#include "win32/pixel_geometry.h"

namespace orvela::win32 {

namespace {

// The client rectangle a form's new window gets, at its own top-left.
RECT firstClient(const forms::Form& form) {
    const forms::PixelScale scale = form.pixelScale();
    const float width = form.windowState() == 2 ? form.screenWidth() : form.width();
    const float height = form.windowState() == 2 ? form.screenHeight() : form.height();
    return toPixels({0, 0, width, height}, scale);
}

} // namespace

FrontEnd::FrontEnd(Program& program)
    : program_(program),
      pictures_([&program](std::uintptr_t picture) { return program.iconOfPicture(picture); }),
      painter_(pictures_, fonts_) {
    // Large renders come from the decoding thread, which tells the first
    // window that has a handle.
    pictures_.setOnReady([this] {
        if (HWND window = readyWindow_.load())
            PostMessageW(window, FormWindow::picturesReadyMessage, 0, 0);
    });
}

FrontEnd::~FrontEnd() {
    pictures_.setOnReady({}); // the decoding thread ends before the windows go
    readyWindow_.store(nullptr);
    // Windows first: their controls hold fonts of the cache.
    for (auto& [form, window] : windows_)
        window->destroy();
    windows_.clear();
}

FormWindow* FrontEnd::windowOf(const forms::Form& form) const {
    auto it = windows_.find(&form);
    return it != windows_.end() && it->second->handle() ? it->second.get() : nullptr;
}

void FrontEnd::sync() {
    // A handler may run a modal loop whose messages sync again: finish the
    // outer sync, then repeat it once.
    if (syncing_) {
        syncAgain_ = true;
        return;
    }
    syncing_ = true;
    try {
        do {
            syncAgain_ = false;
            syncOnce();
        } while (syncAgain_ && !quitPosted_);
    } catch (...) {
        syncing_ = false;
        throw;
    }
    syncing_ = false;
}

void FrontEnd::syncOnce() {
    if (program_.ended()) {
        for (auto& [form, window] : windows_)
            window->destroy();
        if (!quitPosted_) {
            quitPosted_ = true;
            PostQuitMessage(0);
        }
        return;
    }
    HWND ready = nullptr;
    for (const auto& form : program_.runtime().forms()) {
        auto it = windows_.find(form.get());
        if (it == windows_.end()) {
            if (!form->loaded())
                continue;
            // Its pictures decode while the window is made and shown.
            if (form->visible())
                painter_.prefetch(*form, firstClient(*form));
            auto window = std::make_unique<FormWindow>(*form, static_cast<WindowHost&>(*this));
            it = windows_.emplace(form.get(), std::move(window)).first;
        }
        it->second->sync();
        if (!ready && it->second->handle())
            ready = it->second->handle();
    }
    readyWindow_.store(ready);
}

void FrontEnd::picturesReady() {
    if (!pictures_.takeReady())
        return;
    for (auto& [form, window] : windows_)
        if (window->handle())
            InvalidateRect(window->handle(), nullptr, FALSE);
}

// A dialog belongs to the main window: a shown maximised form's, else the
// first shown form's that is no dialog.
HWND FrontEnd::ownerFor(const forms::Form& dialog) {
    HWND first = nullptr;
    for (const auto& form : program_.runtime().forms()) {
        if (form.get() == &dialog || form->dialog() || !form->visible())
            continue;
        const FormWindow* window = windowOf(*form);
        if (!window)
            continue;
        if (form->windowState() == 2)
            return window->handle();
        if (!first)
            first = window->handle();
    }
    return first;
}

bool FrontEnd::preTranslate(MSG& msg) {
    if (!msg.hwnd || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    for (auto& [form, window] : windows_)
        if (form->dialog() && root && window->handle() == root)
            return window->dialogMessage(msg);
    return false;
}

void FrontEnd::unseen(Unseen reason, bool begins, const forms::Form* form) {
    program_.unseen(reason, begins, form);
    sync(); // the timers follow at once
}

int FrontEnd::run() {
    try {
        program_.start();
        sync();
    } catch (...) {
        return reportStartFailure(program_.name());
    }
    DesktopWatch watch([this](Unseen reason, bool begins) { unseen(reason, begins, nullptr); });
    MSG msg{};
    int result;
    while ((result = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (preTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return result < 0 ? 1 : static_cast<int>(msg.wParam);
}

} // namespace orvela::win32
