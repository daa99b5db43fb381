#pragma once

#include <cstddef>
#include <cstdint>

#include "form.h"
#include "pixel_scale.h"
#include "session.h"

namespace pruhomat::forms {

// What a front-end's native window does for its controller: the native controls, one adapter
// per kind, and the window itself.
class NativeWindow {
public:
    // Brings the changed properties of a control to its native control.
    virtual void applyChange(std::size_t index, PropertySet changed) = 0;
    // Gives a control the toolkit's keyboard focus; a frame's goes to the window, which
    // draws the frame's mark.
    virtual void focusNative(std::size_t index) = 0;
    // Draws a frame's focus mark (pixels from the frame's corner), or none for an empty one.
    virtual void showFocusMark(std::size_t frame, const Rect& mark) = 0;
    virtual WindowHandle nativeHandle(std::size_t index) = 0;
    virtual void hideWindow() = 0;
    // The form's client area took another size (Form::resized); its controls' new places follow.
    virtual void resizeClient() = 0;

protected:
    ~NativeWindow() = default;
};

// Where a window of the given size opens: centred on its owner where the form asks for that and
// has one, else on the work area of the screen.
Rect placeWindow(Placement placement, int width, int height, const Rect& workArea, const Rect* owner);

// Everything a window of a form does but draw its native controls: keeping them up to date,
// where the keyboard is and whether its marks show, pointer presses and clicks by the form's
// own hit test, and the pixel boxes of the controls. One per open window, on either toolkit.
class WindowController final : public FormView {
public:
    WindowController(Session& session, Form& form, NativeWindow& native, PixelScale scale);
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;
    ~WindowController();

    Form& form() override { return form_; }
    void syncChanges() override;
    WindowHandle handleOf(std::size_t index) override { return native_.nativeHandle(index); }
    void hide() override { native_.hideWindow(); }
    // Forgets what was set before the native controls were made.
    void built() { form_.clearChanges(); }

    Session& session() { return session_; }
    const PixelScale& scale() const { return scale_; }
    void setScale(PixelScale scale) { scale_ = scale; }
    // A control's box in pixels on the window's client area, or, with inContainer, from its
    // container's corner. A picture box never outgrows its picture (its size in pixels).
    Rect pixelBox(std::size_t index, bool inContainer, int pictureWidth = 0, int pictureHeight = 0) const;

    // The window has opened: the keyboard goes to the first stop, its mark hidden until a key.
    void opened();
    // A key on the window; true where the program took it.
    bool keyPressed(const KeyInput& key);
    // The toolkit moved its focus itself, to a control of the form (a click on a button).
    void focusMovedTo(std::size_t index);
    std::size_t focused() const { return focused_; }
    // Where the focus mark of a frame crosses, in pixels from the frame's corner; empty for none.
    Rect focusMarkOf(std::size_t frame) const;

    // A press at a point of the client area (pixels); false where the control there takes the
    // pointer itself, so the toolkit's own handling goes on. A finger takes what lies near it.
    enum class Pointer : bool { Mouse, Touch };
    bool pointerPressed(int x, int y, Pointer pointer = Pointer::Mouse);
    // The release: the control it clicks, where it is over the control pressed, else noControl.
    std::size_t pointerReleased(int x, int y);
    // The control pressed and not yet released, or noControl.
    std::size_t pressedControl() const { return pointer_.pressed(); }
    // A click on a control, then every window brought up to date; noControl clicks nothing.
    // The keyboard follows a click on a control the toolkit handles itself (a button takes the
    // focus), not one the pointer makes on a label, picture or frame.
    enum class KeyboardFollows : bool { No, Yes };
    void click(std::size_t index, KeyboardFollows follows);
    void pointerLost() { pointer_.cancel(); }
    bool pointerHeld() const { return pointer_.active(); }
    // What the user typed or chose in a control the toolkit handles itself.
    void edited(std::size_t index, std::string_view text);
    void chosen(std::size_t index, int item);
    // The right button: a context menu at the point.
    void contextMenuAt(int x, int y);

private:
    void focusOn(std::size_t index);
    void refreshFocusMarks();

    Session& session_;
    Form& form_;
    NativeWindow& native_;
    PixelScale scale_;
    PointerPress pointer_;
    int reach_ = 0;  // twips: the pressing pointer's
    std::size_t focused_ = noControl;
    std::size_t markedFrame_ = noControl;
    bool cuesShown_ = false;
};

}  // namespace pruhomat::forms
