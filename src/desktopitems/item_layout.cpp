#include "desktopitems/item_layout.h"

#include "forms/runtime.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace orvela::desktopitems {

namespace {

constexpr int ringElements = 101; // Image3 and Label6 run 0..101
constexpr int gridElements = 100; // Image4 runs 0..100

float rounded(double v) {
    return static_cast<float>(std::nearbyint(v));
}

} // namespace

GridShape gridShape(int n) {
    if (n < 3)
        return {1, n};
    GridShape g;
    g.rows = static_cast<int>(std::sqrt(n / 3.0));
    g.columns = n / g.rows;
    if (g.rows * g.columns < n)
        ++g.rows;
    return g;
}

int fillCopies(float screenWidth, float pitch) {
    return static_cast<int>(std::nearbyint(std::floor(screenWidth / pitch) * 1.2));
}

ItemMetrics itemMetricsAt(int dpi) {
    const int pixels = forms::iconPixelsAt(dpi);
    ItemMetrics m;
    if (pixels == forms::iconPixelsAt(forms::designDpi))
        return m; // the design's own numbers, exactly
    m.icon = forms::pixelsToTwips(pixels);
    m.scale = m.icon / ItemMetrics{}.icon;
    m.ringCaptionWidth *= m.scale;
    m.ringCaptionHeight *= m.scale;
    m.ringCaptionDrop *= m.scale;
    m.stripPitch *= m.scale;
    m.stripCaptionHeight *= m.scale;
    return m;
}

int stripItem(int element, int n) {
    if (n <= 0 || element < 1 || element > ItemLayout::stripSlots || element == n + 1)
        return 0;
    return element <= n ? element : (element - (n + 1) - 1) % n + 1;
}

void ItemLayout::placeStripSlot(forms::Form& f, int slot, int item, float cellLeft) {
    forms::Control& icon = f.control(stripIcons, slot);
    icon.setVisible(true);
    icon.setPicture(f.control(gridIcons, item).picture());
    forms::Control& caption = f.control(stripCaptions, slot);
    caption.setCaption(f.control(ringCaptions, item).caption());
    caption.setVisible(true);
    caption.setWordWrap(true);
    const float h = icon.height(), w = icon.width();
    caption.move(cellLeft, 1.7f * h, metrics_.stripPitch, metrics_.stripCaptionHeight);
    icon.move((metrics_.stripPitch - w) / 2 + cellLeft, 0.2f * h, w, h);
}

void ItemLayout::layoutDesktopItems(int n) {
    n = std::clamp(n, 0, maxItems);
    forms::Form& f = form2_.touch();
    const forms::Runtime& rt = f.runtime();
    const float screenWidth = rt.screenWidth();
    const float pitch = metrics_.stripPitch;

    itemCount_ = n;
    laidOut_ = true;
    f.control(ringCaptions, 0).setCaption(std::to_string(n));
    f.control(strip).setWidth(pitch * static_cast<float>(n) + 2 * screenWidth);
    for (int k = 1; k <= n; ++k) {
        f.control(ringIcons, k).setVisible(true);
        f.control(gridIcons, k).setVisible(true);
        f.control(ringCaptions, k).setVisible(true);
        placeStripSlot(f, k, k, static_cast<float>(k - 1) * pitch);
    }
    // Copies after one empty slot; with fewer items than the copies need,
    // the items repeat, so the strip never shows a gap.
    int lastShown = n;
    if (n > 0) {
        const int copies = fillCopies(screenWidth, pitch);
        for (int j = n + 2; j <= n + 1 + copies && j <= stripSlots; ++j) {
            placeStripSlot(f, j, stripItem(j, n), static_cast<float>(j - 2) * pitch);
            lastShown = j;
        }
    }

    for (int i = n + 1; i <= ringElements; ++i) {
        f.control(ringIcons, i).setVisible(false);
        f.control(ringCaptions, i).setVisible(false);
    }
    for (int i = n + 1; i <= gridElements; ++i)
        f.control(gridIcons, i).setVisible(false);
    for (int j = 0; j <= stripSlots; ++j) {
        const bool shown = j >= 1 && j <= lastShown && j != n + 1;
        if (!shown) {
            if (j >= 1)
                f.control(stripIcons, j).setVisible(false);
            f.control(stripCaptions, j).setVisible(false);
        }
    }
    f.control(ringIcons, 0).setVisible(false);
    f.control(ringCaptions, 0).setVisible(false);

    layoutGrid(f, n);
}

void ItemLayout::sizeForDpi() {
    forms::Form& f = form2_.touch();
    if (designPoints_.ring <= 0)
        designPoints_ = {f.control(ringCaptions, 0).font().size,
                         f.control(stripCaptions, 0).font().size};
    metrics_ = itemMetricsAt(f.runtime().dpi());
    const ItemMetrics& m = metrics_;
    if (m.scale == 1 && !sizedForDpi_)
        return; // the design's sizes
    sizedForDpi_ = true;
    const auto resize = [](forms::Control& c, float width, float height) {
        c.move(c.left(), c.top(), width, height);
    };
    for (int i = 0; i <= ringElements; ++i) {
        resize(f.control(ringIcons, i), m.icon, m.icon);
        forms::Control& caption = f.control(ringCaptions, i);
        resize(caption, m.ringCaptionWidth, m.ringCaptionHeight);
        caption.setFontSize(designPoints_.ring * m.scale);
    }
    for (int i = 0; i <= gridElements; ++i)
        resize(f.control(gridIcons, i), m.icon, m.icon);
    for (int j = 0; j <= stripSlots; ++j) {
        if (j >= 1)
            resize(f.control(stripIcons, j), m.icon, m.icon);
        forms::Control& caption = f.control(stripCaptions, j);
        caption.setFontSize(designPoints_.strip * m.scale);
    }
}

void ItemLayout::relayout() {
    if (laidOut_)
        layoutDesktopItems(itemCount_);
}

void ItemLayout::setItemCaption(int n, const std::string& caption) {
    form2_.touch().control(ringCaptions, n).setCaption(caption);
}

void ItemLayout::setItemPicture(int n, const forms::Picture& picture) {
    forms::Form& f = form2_.touch();
    f.control(ringIcons, n).setPicture(picture);
    f.control(gridIcons, n).setPicture(picture);
}

std::pair<forms::Control&, forms::Control&> ItemLayout::ringItem(forms::Form& f, int i) {
    if (ring_.load != f.loads()) {
        ring_ = {f.loads(), {}, {}};
        for (int k = 0;; ++k) {
            forms::Control* icon = f.find(ringIcons, k);
            forms::Control* caption = f.find(ringCaptions, k);
            if (!icon || !caption)
                break;
            ring_.icons.push_back(icon);
            ring_.captions.push_back(caption);
        }
    }
    if (i >= 0 && static_cast<std::size_t>(i) < ring_.icons.size())
        return {*ring_.icons[static_cast<std::size_t>(i)],
                *ring_.captions[static_cast<std::size_t>(i)]};
    return {f.control(ringIcons, i), f.control(ringCaptions, i)}; // says which is missing
}

void ItemLayout::placeRingItem(int i, float left, float top) {
    forms::Form& f = form2_.touch();
    auto [icon, caption] = ringItem(f, i);
    icon.move(left, top, icon.width(), icon.height());
    caption.move(left + icon.width() / 2 - caption.width() / 2, top + metrics_.ringCaptionDrop,
                 caption.width(), caption.height());
}

float ItemLayout::stripLeft() const {
    return form2_.touch().control(strip).left();
}

float ItemLayout::stripWidth() const {
    return form2_.touch().control(strip).width();
}

void ItemLayout::setStripLeft(float left) {
    form2_.touch().control(strip).setLeft(left);
}

float ItemLayout::stripIconWidth() const {
    const forms::Control* icon = form2_.touch().find(stripIcons, 1);
    return icon ? icon->width() : 0;
}

void ItemLayout::layoutGrid(forms::Form& f, int n) {
    const forms::Runtime& rt = f.runtime();
    const double screenWidth = rt.screenWidth(), screenHeight = rt.screenHeight();
    const forms::Control& first = f.control(gridIcons, 1);
    const double w = first.width();
    const GridShape g = gridShape(n);
    const float top0 = rounded(screenHeight / 3 - g.rows / 2.0 * w);
    float left0 = rounded(screenWidth / 2 - (g.columns + 2) / 2.0 * w);
    if (g.columns % 2 == 0)
        left0 -= static_cast<float>(w);
    const float cell = rounded(first.height());
    const int empty = g.rows * g.columns - n;
    int r = 1, m = 0;
    for (int k = 1; k <= n; ++k) {
        if (++m > g.columns) {
            if (r < g.rows)
                ++r;
            m = 1;
        }
        forms::Control& icon = f.control(gridIcons, (r - 1) * g.columns + m);
        const int shift = r == g.rows && empty > 1 ? empty / 2 : 0;
        icon.setLeft(left0 + cell * static_cast<float>(m + shift));
        icon.setTop(top0 + static_cast<float>(r) * cell);
    }

    const float gridLeft = f.control(gridIcons, 1).left();
    const float gridWidth = static_cast<float>(g.columns) * cell;
    const auto panelTop = static_cast<float>(screenHeight / 7 * 1.3);
    const auto panelHeight = static_cast<float>(screenHeight / 2 / 1.08);
    f.control(gridPanels[0]).move(0, panelTop, gridLeft / 1.1f, panelHeight);
    f.control(gridPanels[1])
        .move(gridLeft + gridWidth * 1.05f, panelTop,
              static_cast<float>(screenWidth) - (gridLeft + gridWidth) - gridWidth * 0.05f,
              panelHeight);
}

} // namespace orvela::desktopitems
