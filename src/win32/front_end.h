// The Win32 front end of a program made of forms: one native window per
// loaded form, kept in step with the runtime by sync(), which runs after
// start-up and after every message that dispatched an event (mouse, native
// control, timer, close). A start-up that throws is reported (debug output
// and a message box, failure_report.h), as a failing handler is. When the
// program has ended, sync() destroys the windows and ends the message loop.
// The loop gives the keyboard messages of a dialog form's window to its
// dialog handling first (preTranslate).
#pragma once

#include "win32/font_cache.h"
#include "win32/form_painter.h"
#include "win32/form_window.h"
#include "win32/picture_cache.h"
#include "win32/program.h"

#include <windows.h>

#include <atomic>
#include <map>
#include <memory>

namespace orvela::win32 {

class FrontEnd final : private WindowHost {
public:
    explicit FrontEnd(Program& program);
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;
    ~FrontEnd();

    void sync();
    // Starts the program and syncs, then runs the message loop until the
    // program ends; the exit code. A start-up or first sync that throws is
    // reported as the program's failed start-up, and gives 1.
    int run();
    bool quitPosted() const { return quitPosted_; }
    // What the loop does with a message before dispatching it: a message for
    // a dialog form's window or its controls goes through the dialog's
    // keyboard handling. True when it was handled there.
    bool preTranslate(MSG& msg);

    // The window of a form, or null while it has none.
    FormWindow* windowOf(const forms::Form& form) const;

private:
    FormPainter& painter() override { return painter_; }
    FontCache& fonts() override { return fonts_; }
    void closeRequested(forms::Form& form) override { program_.closeRequested(form); }
    void clockChanged() override { program_.clockChanged(); }
    void minimized(const forms::Form& form, bool minimized) override {
        unseen(Unseen::minimized, minimized, &form);
    }
    void unseen(Unseen reason, bool begins, const forms::Form* form);
    HWND ownerFor(const forms::Form& dialog) override;
    void displayChanged(int widthPixels, int heightPixels, int dpi) override {
        program_.displayChanged(widthPixels, heightPixels, dpi);
    }
    void afterEvent() override { sync(); }
    void picturesReady() override;
    void syncOnce();

    Program& program_;
    PictureCache pictures_;
    FontCache fonts_;
    FormPainter painter_;
    std::atomic<HWND> readyWindow_{nullptr}; // where the decoding thread posts
    std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
    bool syncing_ = false;
    bool syncAgain_ = false;
    bool quitPosted_ = false;
};

} // namespace orvela::win32
