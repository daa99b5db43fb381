#include "session.h"

#include <algorithm>

namespace pruhomat::forms {
namespace {

std::size_t controlMarked(const Form& form, bool Control::*flag) {
    const auto& controls = form.controls();
    const auto found = std::ranges::find_if(controls, [flag](const Control& control) { return control.*flag; });
    return found == controls.end() ? noControl : static_cast<std::size_t>(found - controls.begin());
}

}  // namespace

bool startsOptionGroup(const Form& form, std::size_t index) {
    const auto& siblings = form.children(form.controls()[index].parent());
    const auto first = std::ranges::find_if(
        siblings, [&form](std::size_t sibling) { return form.controls()[sibling].kind() == ControlKind::OptionButton; });
    return first != siblings.end() && *first == index;
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
