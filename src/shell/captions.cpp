#include "shell/captions.h"

#include <array>

namespace orvela::shell {

namespace {

struct CaptionRow {
    const char* control;
    const char* caption;
};

// A variant-2 label and where its text comes from: the caption of a variant-1
// label (copyOf) or a fixed text.
struct CopyRow {
    const char* control;
    const char* copyOf;
    const char* caption;
};

constexpr std::array mainWindowCaptions{
    CaptionRow{"Label14", "Options"},
    CaptionRow{"Label12", "Exit"},
    CaptionRow{"Label18", "   Options"},
    CaptionRow{"Label9", "   Minimize"},
    CaptionRow{"Label20", "   Restart the computer"},
    CaptionRow{"Label19", "   Switch off the computer"},
    CaptionRow{"Label5", "   Exit Orvela"},
    CaptionRow{"Label17", "Empty Recycle"},
    CaptionRow{"Label10", "Switch off the computer"},
    CaptionRow{"Label11", "Restart the computer"},
    CaptionRow{"Label15", "Program Files"},
    CaptionRow{"Label16", "Documents"},
    CaptionRow{"Label13", "Start"},
};

constexpr std::array variantTwoCaptions{
    CopyRow{"Label51", "Label17", nullptr},     CopyRow{"Label47", "Label14", nullptr},
    CopyRow{"Label48", nullptr, "Exit Orvela"}, CopyRow{"Label43", "Label11", nullptr},
    CopyRow{"Label44", "Label10", nullptr},     CopyRow{"Label41", nullptr, "Drives"},
    CopyRow{"Label35", "Label15", nullptr},     CopyRow{"Label36", "Label16", nullptr},
    CopyRow{"Label37", "Label13", nullptr},
};

} // namespace

void setCaptions(forms::Form& form2) {
    forms::Form& main = form2.touch();
    for (const CaptionRow& row : mainWindowCaptions)
        main.control(row.control).setCaption(row.caption);
    for (const CopyRow& row : variantTwoCaptions)
        main.control(row.control)
            .setCaption(row.copyOf ? main.control(row.copyOf).caption() : row.caption);
}

} // namespace orvela::shell
