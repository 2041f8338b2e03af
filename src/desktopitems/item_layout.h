// The desktop items on the main window Form2 in the three forms the display
// variants use: the ring sets Image3/Label6 (moved by the tick), the
// variant-2 grid Image4 between the star panels Frame3 and Frame4, and the
// variant-3 strip Frame5 of Image21/Labe59 with copies that fill one screen
// width after the last item. Twips of the main window.
#pragma once

#include "forms/form.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orvela::desktopitems {

// Rows and columns of the variant-2 grid for n items: about three columns
// to a row, the last row possibly short; fewer than 3 items make one row.
struct GridShape {
    int rows = 1, columns = 0;
};
GridShape gridShape(int n);

// The number of copies that fill the strip after its items on a screen of
// the given width: Int(width / pitch) × 1.2, rounded (pitch 1400 at 96 dpi).
int fillCopies(float screenWidth, float pitch = 1400);

// The sizes of the item controls at a display's dpi, twips of the main
// window: the icon is Windows' large icon at that dpi (480 twips, 32 px, at
// 96 dpi), and its caption and the strip's cell grow with it.
struct ItemMetrics {
    float icon = 480; // side of a ring, grid or strip icon (the strip's before the layout's scale)
    float scale = 1;  // icon / 480
    float ringCaptionWidth = 1440, ringCaptionHeight = 255;
    float ringCaptionDrop = 490; // ring caption top below its icon's top
    float stripPitch = 1400;     // one strip cell
    float stripCaptionHeight = 400;
};
ItemMetrics itemMetricsAt(int dpi);

// The item that element `element` of the strip shows when it holds n items:
// elements 1..n the items themselves, element n + 1 none (it stays hidden),
// the copies after it the items again from the first; 0 for none.
int stripItem(int element, int n);

class ItemLayout {
public:
    static constexpr int maxItems = 100;
    static constexpr int stripSlots = 130;
    static constexpr float stripPitch = 1400;

    // The item controls, which other parts bind their mouse handlers to:
    // arrays indexed by item slot (ring, grid) or strip element.
    static constexpr const char* ringIcons = "Image3";
    static constexpr const char* ringCaptions = "Label6";
    static constexpr const char* gridIcons = "Image4";
    static constexpr const char* stripIcons = "Image21";
    static constexpr const char* stripCaptions = "Labe59";
    static constexpr const char* strip = "Frame5";
    // The two black panels beside the grid, upper and lower.
    static constexpr std::array<const char*, 2> gridPanels = {"Frame3", "Frame4"};

    explicit ItemLayout(forms::Form& form2) : form2_(form2) {}

    // Sizes the icons and captions of the ring, the grid and the strip for
    // the display's dpi (the runtime's), from their design sizes: at the
    // load of Form2 and after the dpi changed, before the screen layout
    // scales the strip.
    void sizeForDpi();
    // The sizes the layout uses now.
    const ItemMetrics& metrics() const { return metrics_; }

    // Lays out n items (0..100; slots 1..n of the item table), whatever the
    // variant, and hides everything a previous layout showed beyond them.
    void layoutDesktopItems(int n);
    // Lays the items of the last layout out again for the screen as it is
    // now; nothing before the first layout.
    void relayout();
    // The items of the last layout (0 before the first).
    int itemCount() const { return itemCount_; }
    // Shows an item's caption and picture on the ring, the grid and the
    // strip's source cells: item n (1..100) of the scan.
    void setItemCaption(int n, const std::string& caption);
    void setItemPicture(int n, const forms::Picture& picture);
    // Puts ring element i (0..101) with its icon's top-left at (left, top)
    // and its caption centred below the icon (metrics().ringCaptionDrop).
    void placeRingItem(int i, float left, float top);
    // The strip's left edge and width in twips, and a new left edge.
    float stripLeft() const;
    float stripWidth() const;
    void setStripLeft(float left);
    // The width of the strip's first icon in twips, 0 when it has none.
    float stripIconWidth() const;

private:
    void placeStripSlot(forms::Form& f, int slot, int item, float cellLeft);
    void layoutGrid(forms::Form& f, int n);

    // Ring element i's icon and caption, found by name once per load of
    // Form2: the tick moves two hundred of them.
    std::pair<forms::Control&, forms::Control&> ringItem(forms::Form& f, int i);

    forms::Form& form2_;
    struct RingControls {
        std::uint64_t load = 0; // Form2's load they were found in
        std::vector<forms::Control*> icons, captions;
    } ring_;
    int itemCount_ = 0;
    ItemMetrics metrics_;
    struct CaptionPoints {
        float ring = 0, strip = 0;
    } designPoints_;           // the captions' design font sizes, read before sizing
    bool sizedForDpi_ = false; // sized once for a dpi other than 96
    bool laidOut_ = false;
};

} // namespace orvela::desktopitems
