#include "options/options_captions.h"

#include <array>

namespace orvela::options {

namespace {

struct CaptionRow {
    const char* control;
    const char* caption;
};

constexpr std::array optionsCaptions{
    CaptionRow{"Label14", "General settings"},
    CaptionRow{"Label1", "Please choose your language"},
    CaptionRow{"Label2", "Variant of display"},
    CaptionRow{"Label3", "Autostart when computer is switched on"},
    CaptionRow{"Label11", "October 2004"},
    CaptionRow{"Label9", "Orvela developers, 2004"},
    CaptionRow{"Command3", "To show the instructions"},
    CaptionRow{"Label15", "Variant of display - 1"},
    CaptionRow{"Label23", "Chronel"},
    CaptionRow{"Label4", "Speed of movement of icons ( 0 - 100 )"},
    CaptionRow{"Command1", "Increase"},
    CaptionRow{"Command2", "Reduce"},
    CaptionRow{"Label18", "To show the digital timer"},
    CaptionRow{"Label19", "To show a calendar"},
    CaptionRow{"Label24", "Variant of display - 2"},
    CaptionRow{"Label25", "Stellix"},
    CaptionRow{"Label20", "To show stars"},
    CaptionRow{"Label17", "Variant of display - 3"},
    CaptionRow{"Label26", "Mirravale"},
    CaptionRow{"Label21", "Speed of movement of icons ( 0 - 20 )"},
    CaptionRow{"Command8", "Increase"},
    CaptionRow{"Command7", "Reduce"},
    CaptionRow{"Command9", "Background"},
};

} // namespace

void setOptionsCaptions(forms::Form& form3) {
    for (const CaptionRow& row : optionsCaptions)
        form3.touch().control(row.control).setCaption(row.caption);
}

} // namespace orvela::options
