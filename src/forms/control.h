// One control of a form: label, image, frame, line, timer, or a dialog
// control. Geometry is twips relative to the parent (the form or a frame).
// Every property change that shows on screen marks the affected rectangle of
// the form dirty, so that the front end repaints only what changed.
#pragma once

#include "forms/geometry.h"
#include "forms/picture.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orvela::forms {

class Form;

using Color = std::uint32_t; // 24-bit, blue in the high byte, red in the low byte

inline constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
           (static_cast<Color>(blue) << 16);
}

enum class ControlKind {
    Label,
    Image,
    Frame,
    Line,
    Timer,
    CommandButton,
    ComboBox,
    TextBox,
    TabStrip,
    ListView,
    PictureBox,
    ImageList,
    Menu
};

const char* kindName(ControlKind kind);

enum class Alignment { Left = 0, Right = 1, Center = 2 };

// A row of a list view: its text, the texts of its further columns, and
// the key of its small icon in the list view's image list.
struct ListRow {
    std::string text;
    std::vector<std::string> subItems;
    std::string iconKey;
};

struct Font {
    std::string name = "MS Sans Serif";
    float size = 8.25f; // points
    bool bold = false;
    bool italic = false;
    int charset = 0;
    bool operator==(const Font&) const = default;
};

class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index, Control* parent);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Identity.
    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; } // -1 for a control outside an array
    Control* parent() const { return parent_; }
    Form& form() const { return form_; }
    const std::vector<Control*>& children() const { return children_; }
    std::string qualifiedName() const; // "Label21(3)" or "Label14"

    // Frames, buttons and the other windowed controls paint above the
    // lightweight ones (labels, images, lines) of the same container; a
    // container (a frame) holds controls. Both by the kind's rules
    // (control_kinds.h).
    bool isWindowed() const;
    bool isContainer() const;

    // Geometry (twips, relative to the parent).
    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float v);
    void setTop(float v);
    void setWidth(float v);
    void setHeight(float v);
    void move(float left, float top, float width, float height);
    Rect bounds() const { return {left_, top_, width_, height_}; }
    // The control's rectangle in form coordinates, clipped by its frames.
    Rect formRect() const;
    // Offset of this control's own coordinate origin in the form.
    void originInForm(float& x, float& y) const;

    bool visible() const { return visible_; }
    void setVisible(bool v);
    // Visible itself and every frame around it.
    bool effectivelyVisible() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    // Text.
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& v);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    void setFontSize(float points);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    int backStyle() const { return backStyle_; } // 0 transparent, 1 opaque
    void setBackStyle(int s);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w);

    // Pictures.
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    bool stretch() const { return stretch_; }
    void setStretch(bool s);
    // A background picture smaller than its frame: its edges continue across
    // the rest of the frame (or the form), so the frame shows no band of its
    // own colour beside it. It repaints with its frame.
    bool fillsParent() const { return fillsParent_; }
    void setFillsParent(bool f);

    // Lines (coordinates relative to the parent).
    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    void setX1(float v);
    void setY1(float v);
    void setX2(float v);
    void setY2(float v);
    // All four ends at once: the old and the new line are repainted, not
    // the boxes of the steps between.
    void setEnds(float x1, float y1, float x2, float y2);
    int borderWidth() const { return borderWidth_; } // pixels
    void setBorderWidth(int w);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);

    // Timers.
    int interval() const { return interval_; } // milliseconds, 0 = stopped
    void setInterval(int ms);
    // A timer runs while it is enabled and has an interval above 0 (and its
    // form is loaded): the one rule the runtime and the front end share.
    bool timerRuns() const;
    // Lets ms pass on the timer's own clock; true when its interval has
    // elapsed, as Windows posts at most one WM_TIMER per wait.
    bool elapse(int ms);

    // Combo boxes and list-like controls: entries and the selected one.
    const std::vector<std::string>& items() const { return items_; }
    void addItem(const std::string& text);
    void clearItems();
    int listIndex() const { return listIndex_; } // -1 = none
    void setListIndex(int i);
    // Tab strips: items() are the tab captions, listIndex() the selected
    // tab; each tab also has a key and a tool tip.
    struct TabInfo {
        std::string key, toolTip;
    };
    const std::vector<TabInfo>& tabs() const { return tabs_; }
    // Text boxes and combo boxes: the edited text.
    const std::string& text() const { return text_; }
    void setText(const std::string& v);

    // List views: rows, kept sorted by the text of column sortKey (0 the
    // row text, n its sub-item n) in sortOrder (0 ascending, 1 descending)
    // while sorted is set; setting sorted sorts at once. view: 2 list, 3 report.
    const std::vector<ListRow>& rows() const { return rows_; }
    void addRow(ListRow row);
    void clearRows();
    int sortKey() const { return sortKey_; }
    void setSortKey(int column);
    int sortOrder() const { return sortOrder_; }
    void setSortOrder(int order);
    bool sorted() const { return sorted_; }
    void setSorted(bool sorted);
    int view() const { return view_; }
    void setView(int view);

    // Image lists: pictures by key, in the order added.
    const std::vector<std::pair<std::string, Picture>>& images() const { return images_; }
    void addImage(const std::string& key, const Picture& picture);
    void clearImages() { images_.clear(); }
    bool hasImage(const std::string& key) const;

    // Command buttons that Enter or Esc press in a dialog.
    bool defaultButton() const { return defaultButton_; }
    bool cancelButton() const { return cancelButton_; }

    // Menu entries: the check mark.
    bool checked() const { return checked_; }
    void setChecked(bool checked) { checked_ = checked; }

private:
    friend class Form;
    // Marks the control's current on-screen rectangle dirty.
    void invalidate();
    // Marks a rectangle of the form dirty if the control shows.
    void markDirty(const Rect& r);
    // For geometry changes: marks the rectangle before and after.
    template <typename F> void changeGeometry(F&& mutate);
    Rect ownRect() const; // relative to the parent, lines included
    bool rowBefore(const ListRow& a, const ListRow& b) const; // in the list view's order

    Form& form_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Control* parent_;
    std::vector<Control*> children_;

    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    Font font_;
    Color foreColor_ = 0;
    Color backColor_ = rgb(192, 192, 192);
    int backStyle_ = 0;
    Alignment alignment_ = Alignment::Left;
    bool wordWrap_ = false;
    Picture picture_;
    bool stretch_ = false;
    bool fillsParent_ = false;
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int borderWidth_ = 1;
    Color borderColor_ = 0;
    int interval_ = 0;
    int elapsed_ = 0; // ms since the timer last fired or was (re)armed
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::vector<TabInfo> tabs_;
    std::string text_;
    std::vector<ListRow> rows_;
    int sortKey_ = 0, sortOrder_ = 0, view_ = 3;
    bool sorted_ = false;
    std::vector<std::pair<std::string, Picture>> images_;
    bool checked_ = false;
    bool defaultButton_ = false, cancelButton_ = false;
};

} // namespace orvela::forms
