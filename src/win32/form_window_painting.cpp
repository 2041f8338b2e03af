// WM_PAINT of a form's window: the paint engine paints the update region
// from the model; the first frame of a shown form is announced on the debug
// output.
#include "win32/form_window.h"

#include "win32/utf.h"

namespace orvela::win32 {

void FormWindow::onPaint() {
    if (!form_.loaded()) {
        PAINTSTRUCT ps{};
        BeginPaint(window_, &ps);
        EndPaint(window_, &ps);
        return;
    }
    bool painted = paint_.paint(window_, form_);
    if (painted && !firstFramePainted_ && form_.visible()) {
        firstFramePainted_ = true;
        // Lets a benchmark see the first frame from outside; costs nothing.
        OutputDebugStringW((L"orvela: first frame " + wideOrEmpty(form_.name()) + L"\n").c_str());
    }
}

} // namespace orvela::win32
