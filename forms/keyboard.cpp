#include "keyboard.h"

#include <algorithm>


namespace pruhomat::forms {
namespace {


std::size_t controlMarked(const Form& form, bool Control::*flag) {
    const auto& controls = form.controls();
    const auto found = std::ranges::find_if(controls, [flag](const Control& control) { return control.*flag; });
    return found == controls.end() ? noControl : static_cast<std::size_t>(found - controls.begin());
}

// Where Tab stops now: a control of the tab order that is shown and enabled, of a group of
// options the one selected.
bool stopsTabNow(const Form& form, std::size_t index) {
    const Control& control = form.controls()[index];
    return form.isShown(control) && control.enabled() && (control.traits().toggle != Toggle::Option || control.value());
}

// The option button an arrow key selects: the next or previous shown one of the group, round the end.
std::size_t neighbourOption(const Form& form, std::size_t option, bool forwards) {
    std::vector<std::size_t> group = form.optionGroup(option);
    std::erase_if(group, [&form](std::size_t member) { return !form.isShown(form.controls()[member]); });
    const auto at = static_cast<std::size_t>(std::ranges::find(group, option) - group.begin());
    return group[(at + (forwards ? 1 : group.size() - 1)) % group.size()];
}

// The arrows select the next or previous option of the group, as a click on it does.
KeyOutcome arrowOnOption(Form& form, std::size_t option, Key key) {
    const std::size_t next = neighbourOption(form, option, key == Key::Right || key == Key::Down);
    form.click(next);
    return {true, next};
}

// Up and Down choose the previous or next item, stopping at the ends, as the native list does.
KeyOutcome arrowOnComboBox(Control& box, Key key) {
    const int last = static_cast<int>(box.items().size()) - 1;
    const int next = std::clamp(box.selectedItem() + (key == Key::Down ? 1 : -1), 0, last);
    if (next != box.selectedItem()) {
        box.setSelectedItem(next);
        if (box.onChange) {
            box.onChange();
        }
    }
    return {true};
}

// The control with the keyboard on the form, narrowed to its focus mark where it has one.
Rect keyboardPlace(const Form& form, std::size_t focused) {
    if (focused == noControl) {
        return {};
    }
    Rect place = form.rectOnForm(focused);
    if (const Rect& mark = form.controls()[focused].focusMark(); !mark.isEmpty()) {
        place = {place.left + mark.left, place.top + mark.top, mark.width, mark.height};
    }
    return place;
}

KeyOutcome arrowKey(Form& form, std::size_t focused, const KindTraits& kind, Key key) {
    if (kind.hasItems && (key == Key::Up || key == Key::Down)) {
        if (!form.controls()[focused].enabled()) {
            return {true};
        }
        return arrowOnComboBox(form.at(focused), key);
    }
    return kind.toggle == Toggle::Option ? arrowOnOption(form, focused, key) : KeyOutcome{};
}


// Space presses a frame; Enter a frame or push button, else the default button.
KeyOutcome pressKey(Form& form, std::size_t focused, const KindTraits& kind, Key key) {
    if (kind.isContainer || (key == Key::Enter && kind.isPushButton)) {
        form.click(focused);
        return {true};
    }
    const std::size_t button = key == Key::Enter ? defaultButton(form) : noControl;
    if (button != noControl) {
        form.click(button);
    }
    return {button != noControl};
}

}  // namespace

std::size_t nextTabStop(const Form& form, std::size_t focused, bool backwards) {
    const auto& order = form.tabOrder();
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto found = std::ranges::find(order, focused);
    // From no stop, Tab goes to the first and Shift+Tab to the last.
    std::ptrdiff_t at = found == order.end() ? (backwards ? count : -1) : found - order.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        at = (at + (backwards ? count - 1 : 1)) % count;
        if (stopsTabNow(form, order[static_cast<std::size_t>(at)])) {
            return order[static_cast<std::size_t>(at)];
        }
    }
    return noControl;
}

bool startsOptionGroup(const Form& form, std::size_t index) {
    const std::vector<std::size_t> group = form.optionGroup(index);
    return !group.empty() && group.front() == index;
}

std::size_t defaultButton(const Form& form) { return controlMarked(form, &Control::isDefault); }

std::size_t cancelButton(const Form& form) { return controlMarked(form, &Control::isCancel); }

KeyOutcome sharedKey(Form& form, std::size_t focused, const KeyInput& key) {
    static const KindTraits nothingFocused{};
    const KindTraits& kind = focused == noControl ? nothingFocused : form.controls()[focused].traits();
    switch (key.key) {
        case Key::Tab: {
            const std::size_t next = nextTabStop(form, focused, key.shift);
            return {next != noControl, next};
        }
        case Key::Left:
        case Key::Right:
        case Key::Up:
        case Key::Down:
            return arrowKey(form, focused, kind, key.key);
        case Key::Space:
        case Key::Enter:
            return pressKey(form, focused, kind, key.key);
        case Key::Escape:
            // Esc presses the cancel button or nothing; it never closes a window by itself.
            if (const std::size_t cancel = cancelButton(form); cancel != noControl) {
                form.click(cancel);
            }
            return {true};
        case Key::Menu: {
            const Rect below = keyboardPlace(form, focused);
            return {.handled = true, .menu = true, .menuX = below.left, .menuY = below.top + below.height};
        }
        default:
            return {};
    }
}

}  // namespace pruhomat::forms
