#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "form.h"
#include "keyboard.h"
#include "platform_port.h"

namespace pruhomat::forms {

// A front-end's native window showing a form.
class FormView {
public:
    virtual Form& form() = 0;
    // Updates the native widgets of the controls that changed, then forgets the changes.
    virtual void syncChanges() = 0;
    // A control's native handle; the window's own for noControl.
    virtual WindowHandle handleOf(std::size_t index) = 0;
    virtual void hide() = 0;

protected:
    ~FormView() = default;
};

// A press on a control and its release over the same control make one click; a press dragged
// off the control and released elsewhere makes none.
class PointerPress {
public:
    void press(std::size_t control) { pressed_ = control; }
    void cancel() { pressed_ = noControl; }
    bool active() const { return pressed_ != noControl; }
    std::size_t pressed() const { return pressed_; }
    // The control the release clicks, or noControl.
    std::size_t release(std::size_t controlUnderPointer) {
        const std::size_t pressed = std::exchange(pressed_, noControl);
        return pressed == controlUnderPointer ? pressed : noControl;
    }

private:
    std::size_t pressed_ = noControl;
};

// What the session asks of the front-end's port when a form is unloaded.
class WindowEnds {
public:
    // The main window's form was unloaded, and every window hidden: the program ends.
    virtual void endProgram() = 0;
    // A dialog's form was unloaded: its modal loop is to end.
    virtual void dialogUnloaded(FormView& view) = 0;

protected:
    ~WindowEnds() = default;
};

// The open windows of the program, the main window first, and what every front-end decides
// alike about them: which window shows a form, bringing them all up to date after an event,
// what unloading a form means, and what Enter, Esc and the close box press. A front-end's port
// holds one and hands it the unloading of forms.
class Session {
public:
    explicit Session(WindowEnds& ends) : ends_(ends) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void opened(FormView& view);
    void closed(FormView& view);

    // Open until its form is unloaded.
    bool isOpen(const FormView& view) const;

    // A click as the user makes it, then every window brought up to date.
    void click(FormView& view, std::size_t index);
    // What the user typed into a text box or chose in a combo box, then every window brought
    // up to date.
    void edited(FormView& view, std::size_t index, std::string_view text);
    void chosen(FormView& view, std::size_t index, int item);
    // An item the form added to the window's own menu (the system menu).
    void windowMenuChosen(FormView& view, int item);
    // Enter and Esc; false where the form has no such button.
    bool pressDefault(FormView& view);
    bool pressCancel(FormView& view);
    // The close box acts as the cancel button where there is one, and unloads the form elsewhere.
    void closeBox(FormView& view);
    // A key pressed while focused has the keyboard: the form's own keys first, then the keys
    // every window shares (keyboard.h), Shift+F10 as the Menu key. Every window is brought up
    // to date.
    KeyOutcome keyPressed(FormView& view, std::size_t focused, const KeyInput& key);
    // The form's context menu, to open at a point of the window's client area (twips): at the
    // pointer or, for a key, below the control with the keyboard (its focus mark where it has one).
    void contextMenu(FormView& view, int x = 0, int y = 0);

    // The port's unloading of a form and the native handle of a control or of a form's window,
    // as every front-end answers them.
    void unload(Form& form);
    WindowHandle windowHandle(const Control& control);
    WindowHandle windowHandle(const Form& form);

    // Every window brought up to date: after an event, and after an answer that came later.
    void syncAll();

private:
    FormView* viewOf(const Form& form) const;
    bool isMain(const FormView& view) const { return !views_.empty() && views_.front() == &view; }
    bool press(FormView& view, std::size_t button);

    WindowEnds& ends_;
    std::vector<FormView*> views_;
    std::vector<const FormView*> unloaded_;
};

}  // namespace pruhomat::forms
