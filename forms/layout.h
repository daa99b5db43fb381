#pragma once

#include <span>
#include <string_view>

#include "control.h"

namespace pruhomat::forms {

enum class Start : std::uint8_t { Shown, Hidden };

// The screens a window is laid out for: a desktop's, or a phone's held upright.
enum class ScreenShape : std::uint8_t { Wide, Upright };

// One control of a window as laid out: constant data, so that a window's layout is a table.
// Rows list each container's children front first; an empty parent is the form itself.
struct LayoutRow {
    ControlKind kind = ControlKind::Label;
    std::string_view name{};
    std::string_view caption{};
    Rect rect{};
    std::string_view parent{};
    bool visible = true;
    bool value = false;
    Alignment alignment = Alignment::Left;
    Border border = Border::NoBorder;
    Font font{};
    Paint foreground = SystemColour::WindowText;
    Paint background = SystemColour::ButtonFace;
    ImageId picture = ImageId::NoImage;
    bool isDefault = false;
    bool isCancel = false;
    bool partOfAnother = false;
    std::string_view accessibleName{};
    std::span<const std::string_view> items{};
    std::size_t longestText = 0;

private:
    template <typename Field, typename Value>
    constexpr LayoutRow with(Field LayoutRow::*field, Value value) const {
        LayoutRow row = *this;
        row.*field = value;
        return row;
    }

public:
    constexpr LayoutRow in(std::string_view container) const { return with(&LayoutRow::parent, container); }
    constexpr LayoutRow withFont(Font looks) const { return with(&LayoutRow::font, looks); }
    constexpr LayoutRow bordered() const { return with(&LayoutRow::border, Border::FixedSingle); }
    constexpr LayoutRow inColours(Paint text, Paint back) const {
        return with(&LayoutRow::foreground, text).with(&LayoutRow::background, back);
    }
    constexpr LayoutRow asDefault() const { return with(&LayoutRow::isDefault, true); }
    constexpr LayoutRow asCancel() const { return with(&LayoutRow::isCancel, true); }
    // What a screen reader calls the control, where its caption says nothing.
    constexpr LayoutRow heardAs(std::string_view name) const { return with(&LayoutRow::accessibleName, name); }
    // Read out as part of another control, never on its own.
    constexpr LayoutRow heardWithAnother() const { return with(&LayoutRow::partOfAnother, true); }
    // A text box that takes no more characters, typed or pasted.
    constexpr LayoutRow holdingAtMost(std::size_t characters) const {
        return with(&LayoutRow::longestText, characters);
    }
};

constexpr LayoutRow frame(std::string_view name, std::string_view caption, Rect rect) {
    return {.kind = ControlKind::Frame, .name = name, .caption = caption, .rect = rect};
}

constexpr LayoutRow label(std::string_view name, std::string_view caption, Rect rect,
                          Alignment alignment = Alignment::Left) {
    return {.kind = ControlKind::Label, .name = name, .caption = caption, .rect = rect, .alignment = alignment};
}

constexpr LayoutRow swatch(std::string_view name, Rgb colour, Rect rect) {
    return {.kind = ControlKind::Label, .name = name, .rect = rect, .border = Border::FixedSingle, .background = colour};
}

constexpr LayoutRow picture(std::string_view name, ImageId image, Rect rect, Start start = Start::Shown) {
    return {.kind = ControlKind::PictureBox,
            .name = name,
            .rect = rect,
            .visible = start == Start::Shown,
            .background = SystemColour::Window,
            .picture = image};
}

constexpr LayoutRow commandButton(std::string_view name, std::string_view caption, Rect rect) {
    return {.kind = ControlKind::CommandButton, .name = name, .caption = caption, .rect = rect};
}

constexpr LayoutRow optionButton(std::string_view name, std::string_view caption, Rect rect, bool selected) {
    return {.kind = ControlKind::OptionButton, .name = name, .caption = caption, .rect = rect, .value = selected};
}

constexpr LayoutRow checkBox(std::string_view name, std::string_view caption, Rect rect, bool checked) {
    return {.kind = ControlKind::CheckBox, .name = name, .caption = caption, .rect = rect, .value = checked};
}

// Edit fields and lists are white, or whatever the theme gives windows.
constexpr LayoutRow textBox(std::string_view name, Rect rect) {
    return {.kind = ControlKind::TextBox, .name = name, .rect = rect, .background = SystemColour::Window};
}

constexpr LayoutRow comboBox(std::string_view name, std::span<const std::string_view> items, Rect rect) {
    return {.kind = ControlKind::ComboBox,
            .name = name,
            .rect = rect,
            .background = SystemColour::Window,
            .items = items};
}

// The control a row describes, before it joins its form.
Control controlOf(const LayoutRow& row);

}  // namespace pruhomat::forms
