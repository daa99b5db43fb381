#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "colour_code.h"
#include "control_kind.h"
#include "image_id.h"

namespace pruhomat::forms {

enum class Alignment : std::uint8_t { Left, Right, Center };

// FixedSingle on a label or picture box is the single border drawn sunken in 3-D style.
enum class Border : std::uint8_t { NoBorder, FixedSingle };

// The colours of the user's theme that the layouts name; each front-end says what they are.
enum class SystemColour : std::uint8_t { ButtonFace, Window, WindowText, Highlight, InactiveBorder };

using Paint = std::variant<SystemColour, Rgb>;

// An empty name stands for the system's default dialog font.
struct Font {
    std::string_view name;
    double points = 0;
    bool bold = false;
    int charset = 0;

    bool isDefault() const { return name.empty(); }

    friend bool operator==(const Font&, const Font&) = default;
};

// Positions and sizes in twips, relative to the parent's client area (form) or outer rectangle (frame).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// The properties handlers change; a front-end updates a native widget for each one marked.
enum Property : std::uint16_t {
    CaptionProperty = 1,
    BackgroundProperty = 2,
    VisibleProperty = 4,
    PlaceProperty = 8,  // moved, resized or given another font
    ValueProperty = 16,
    FocusMarkProperty = 32,
    AccessibilityProperty = 64,
    EnabledProperty = 128,
    PictureProperty = 256,
    ItemsProperty = 512,
};

// The Property bits of the changes to one control.
using PropertySet = std::uint16_t;

inline constexpr int noItem = -1;

// No control: the form itself as a container, or no control at a point.
inline constexpr std::size_t noControl = static_cast<std::size_t>(-1);

class Form;

class Control {
public:
    Control(ControlKind kind, std::string name, Rect rect) : kind_(kind), name_(std::move(name)), rect_(rect) {}

    ControlKind kind() const { return kind_; }
    const KindTraits& traits() const { return traitsOf(kind_); }
    const std::string& name() const { return name_; }
    const Rect& rect() const { return rect_; }
    std::size_t parent() const { return parent_; }
    std::size_t index() const { return index_; }

    const std::string& caption() const { return caption_; }
    const Paint& background() const { return background_; }
    bool visible() const { return visible_; }
    int left() const { return rect_.left; }
    bool value() const { return value_; }
    bool enabled() const { return enabled_; }
    // The item a combo box shows, or noItem.
    int selectedItem() const { return selectedItem_; }
    // Where the focus rectangle goes while the control has the keyboard, relative to the
    // control; empty for the whole control.
    const Rect& focusMark() const { return focusMark_; }
    // What a screen reader says the control is (empty: its caption), and whether it reads as
    // the selected item.
    const std::string& accessibleName() const { return accessibleName_; }
    ImageId picture() const { return picture_; }
    const std::vector<std::string>& items() const { return items_; }
    bool accessibleSelected() const { return accessibleSelected_; }

    void setCaption(std::string_view caption);
    void setBackground(const Paint& background);
    void setVisible(bool visible);
    void setLeft(int left);
    void setRect(const Rect& rect);
    void setFont(const Font& looks);
    void setValue(bool value);
    void setEnabled(bool enabled);
    // Marks ValueProperty, as the selection is a combo box's value.
    void setSelectedItem(int item);
    // A picture box's picture and a combo box's items, as handlers change them.
    void setPicture(ImageId picture);
    void setItems(std::vector<std::string> items);
    void setFocusMark(const Rect& area);
    void setAccessibleName(std::string_view name);
    void setAccessibleSelected(bool selected);

    // Static looks.
    Alignment alignment = Alignment::Left;
    Border border = Border::NoBorder;
    Font font;
    Paint foreground = SystemColour::WindowText;
    bool isDefault = false;
    bool isCancel = false;
    // Read out with another control (a unit with its value), so no object of its own for readers.
    bool partOfAnother = false;
    // Under the pointer a moment, the toolkit's tooltip shows what a reader hears of it.
    bool showsNameAsTooltip = false;
    std::size_t longestText = 0;  // a text box's, in characters; 0 for no limit

    std::function<void()> onClick;
    // The user edited a text box's text or chose a combo box's item.
    std::function<void()> onChange;

private:
    friend class Form;
    void mark(Property property);

    ControlKind kind_;
    std::string name_;
    Rect rect_;
    std::size_t parent_ = noControl;
    std::string caption_;
    Paint background_ = SystemColour::ButtonFace;
    bool visible_ = true;
    bool value_ = false;
    bool enabled_ = true;
    int selectedItem_ = noItem;
    Rect focusMark_;
    std::string accessibleName_;
    bool accessibleSelected_ = false;
    ImageId picture_ = ImageId::NoImage;
    std::vector<std::string> items_;
    PropertySet changed_ = 0;
    Form* form_ = nullptr;
    std::size_t index_ = 0;
};

}  // namespace pruhomat::forms
