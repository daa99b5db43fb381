#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "form.h"
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
    // The control the release clicks, or noControl.
    std::size_t release(std::size_t controlUnderPointer) {
        const std::size_t pressed = std::exchange(pressed_, noControl);
        return pressed == controlUnderPointer ? pressed : noControl;
    }

private:
    std::size_t pressed_ = noControl;
};

// The first option button of its container, where the arrow keys' group of options begins.
bool startsOptionGroup(const Form& form, std::size_t index);

// What became of a key: whether anything took it, and the control to take the keyboard next
// (noControl to leave it where it is).
struct KeyOutcome {
    bool handled = false;
    std::size_t focus = noControl;
};

// The stop Tab, or Shift+Tab, moves the keyboard to; noControl where the form has none.
std::size_t nextTabStop(const Form& form, std::size_t focused, bool backwards);

// The buttons Enter and Esc press; noControl where the form has none.
std::size_t defaultButton(const Form& form);
std::size_t cancelButton(const Form& form);

// The open windows of the program, the main window first, and what every front-end decides
// alike about them: which window shows a form, bringing them all up to date after an event,
// what unloading a form means, and what Enter, Esc and the close box press. A front-end
// derives its port from it and adds only what its toolkit does.
class Session : public PlatformPort {
public:
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
    // A key pressed while focused has the keyboard. The form's own keys come first; then Tab
    // along the tab order, the arrows within a group of options, Space and Enter on a frame and
    // Enter on a push button as a click, Enter and Esc on the default and cancel buttons, and
    // the Menu key or Shift+F10; Up and Down step through a combo box's items. Every window is
    // brought up to date.
    KeyOutcome keyPressed(FormView& view, std::size_t focused, const KeyInput& key);
    // The form's context menu, to open at a point of the window's client area (twips).
    void contextMenu(FormView& view, int x = 0, int y = 0);

    // Where the context menu asked for opens: the window and a point of its client area in
    // twips, at the pointer or, for a key, below the control with the keyboard (its focus mark
    // where it has one).
    struct MenuPlace {
        FormView* view = nullptr;
        int x = 0;
        int y = 0;
    };
    const MenuPlace& menuPlace() const { return menuPlace_; }

    void unload(Form& form) override;
    WindowHandle windowHandle(const Control& control) override;

protected:
    // The main window's form was unloaded, and every window hidden: the program ends.
    virtual void endProgram() = 0;
    // A dialog's form was unloaded: its modal loop is to end.
    virtual void dialogUnloaded(FormView& view) = 0;

private:
    FormView* viewOf(const Form& form) const;
    bool isMain(const FormView& view) const { return !views_.empty() && views_.front() == &view; }
    void syncAll();
    bool press(FormView& view, std::size_t button);
    KeyOutcome commonKey(FormView& view, std::size_t focused, const KeyInput& key);
    KeyOutcome pressKey(FormView& view, std::size_t focused, ControlKind kind, Key key);

    std::vector<FormView*> views_;
    std::vector<const FormView*> unloaded_;
    MenuPlace menuPlace_;
};

}  // namespace pruhomat::forms
