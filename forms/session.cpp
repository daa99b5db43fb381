#include "session.h"

#include "reader.h"

#include <algorithm>

namespace pruhomat::forms {
namespace {

std::size_t controlMarked(const Form& form, bool Control::*flag) {
    const auto& controls = form.controls();
    const auto found = std::ranges::find_if(controls, [flag](const Control& control) { return control.*flag; });
    return found == controls.end() ? noControl : static_cast<std::size_t>(found - controls.begin());
}

bool isTabStop(const Form& form, std::size_t index) {
    const Control& control = form.controls()[index];
    return form.isShown(control) && control.enabled() &&
           (control.kind() != ControlKind::OptionButton || control.value());
}

// The option button an arrow key selects: the next or previous shown one of the group, round the end.
std::size_t neighbourOption(const Form& form, std::size_t option, bool forwards) {
    std::vector<std::size_t> group = optionGroup(form, option);
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
    const int last = static_cast<int>(box.items.size()) - 1;
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

KeyOutcome arrowKey(Form& form, std::size_t focused, ControlKind kind, Key key) {
    if (kind == ControlKind::ComboBox && (key == Key::Up || key == Key::Down)) {
        return arrowOnComboBox(form.at(focused), key);
    }
    return kind == ControlKind::OptionButton ? arrowOnOption(form, focused, key) : KeyOutcome{};
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
        if (isTabStop(form, order[static_cast<std::size_t>(at)])) {
            return order[static_cast<std::size_t>(at)];
        }
    }
    return noControl;
}

bool startsOptionGroup(const Form& form, std::size_t index) {
    const std::vector<std::size_t> group = optionGroup(form, index);
    return !group.empty() && group.front() == index;
}

std::size_t defaultButton(const Form& form) { return controlMarked(form, &Control::isDefault); }

std::size_t cancelButton(const Form& form) { return controlMarked(form, &Control::isCancel); }

void Session::opened(FormView& view) { views_.push_back(&view); }

void Session::closed(FormView& view) {
    std::erase(views_, &view);
    std::erase(unloaded_, &view);
}

FormView* Session::viewOf(const Form& form) const {
    const auto found = std::ranges::find_if(views_, [&form](FormView* view) { return &view->form() == &form; });
    return found == views_.end() ? nullptr : *found;
}

bool Session::isOpen(const FormView& view) const { return std::ranges::find(unloaded_, &view) == unloaded_.end(); }

void Session::syncAll() {
    for (FormView* view : views_) {
        view->syncChanges();
    }
}

void Session::click(FormView& view, std::size_t index) {
    view.form().click(index);
    syncAll();
}

void Session::edited(FormView& view, std::size_t index, std::string_view text) {
    view.form().edit(index, text);
    syncAll();
}

void Session::chosen(FormView& view, std::size_t index, int item) {
    view.form().choose(index, item);
    syncAll();
}

void Session::windowMenuChosen(FormView& view, int item) {
    if (view.form().onWindowMenu) {
        view.form().onWindowMenu(item);
        syncAll();
    }
}

bool Session::press(FormView& view, std::size_t button) {
    if (button == noControl) {
        return false;
    }
    click(view, button);
    return true;
}

bool Session::pressDefault(FormView& view) { return press(view, defaultButton(view.form())); }

bool Session::pressCancel(FormView& view) { return press(view, cancelButton(view.form())); }

void Session::closeBox(FormView& view) {
    if (!pressCancel(view)) {
        unload(view.form());
    }
}

KeyOutcome Session::keyPressed(FormView& view, std::size_t focused, const KeyInput& pressed) {
    if (pressed.key == Key::F10 && !pressed.shift) {
        return {};
    }
    const KeyInput key = pressed.key == Key::F10 ? KeyInput{Key::Menu} : pressed;
    Form& form = view.form();
    KeyOutcome outcome;
    if (form.onKey && form.onKey(focused, key)) {
        outcome.handled = true;
    } else {
        outcome = commonKey(view, focused, key);
    }
    syncAll();
    return outcome;
}

KeyOutcome Session::commonKey(FormView& view, std::size_t focused, const KeyInput& key) {
    Form& form = view.form();
    const ControlKind kind = focused == noControl ? ControlKind::Label : form.controls()[focused].kind();
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
            return pressKey(view, focused, kind, key.key);
        case Key::Escape:
            // Esc presses the cancel button or nothing; it never closes a window by itself.
            pressCancel(view);
            return {true};
        case Key::Menu: {
            const Rect below = keyboardPlace(form, focused);
            contextMenu(view, below.left, below.top + below.height);
            return {true};
        }
        default:
            return {};
    }
}

// Space presses a frame; Enter a frame or push button, else the default button.
KeyOutcome Session::pressKey(FormView& view, std::size_t focused, ControlKind kind, Key key) {
    if (kind == ControlKind::Frame || (key == Key::Enter && kind == ControlKind::CommandButton)) {
        view.form().click(focused);
        return {true};
    }
    return {key == Key::Enter && pressDefault(view)};
}

void Session::contextMenu(FormView& view, int x, int y) {
    menuPlace_ = {&view, x, y};
    if (view.form().onContextMenu) {
        view.form().onContextMenu();
        syncAll();
    }
}

void Session::unload(Form& form) {
    FormView* view = viewOf(form);
    if (view == nullptr || !isOpen(*view)) {
        return;
    }
    unloaded_.push_back(view);
    if (isMain(*view)) {
        for (FormView* open : views_) {
            open->hide();
        }
        endProgram();
    } else {
        dialogUnloaded(*view);
    }
}

WindowHandle Session::windowHandle(const Control& control) {
    for (FormView* view : views_) {
        if (view->form().owns(control)) {
            return view->handleOf(view->form().indexOf(control.name()));
        }
    }
    return 0;
}

}  // namespace pruhomat::forms
