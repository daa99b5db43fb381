#include "session.h"

#include <algorithm>

namespace pruhomat::forms {

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
        outcome = sharedKey(form, focused, key);
    }
    if (outcome.menu) {
        contextMenu(view, outcome.menuX, outcome.menuY);
    }
    syncAll();
    return outcome;
}

void Session::contextMenu(FormView& view, int x, int y) {
    if (view.form().onContextMenu) {
        view.form().onContextMenu({&view.form(), x, y});
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
        ends_.endProgram();
    } else {
        ends_.dialogUnloaded(*view);
    }
}

WindowHandle Session::windowHandle(const Form& form) {
    FormView* view = viewOf(form);
    return view == nullptr ? 0 : view->handleOf(noControl);
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
