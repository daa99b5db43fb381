#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "control.h"
#include "message_target.h"
#include "pixel_scale.h"

namespace pruhomat::win32 {

class FormWindow;

// One control of a form as a child window, of the system's class (subclassed) or of one of our
// own; its messages reach this object either way. Each kind of control is a class of its own;
// what they share is here.
class NativeControl : public MessageTarget {
public:
    NativeControl(FormWindow& window, std::size_t index) : window_(window), index_(index) {}
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;
    virtual ~NativeControl() = default;

    LRESULT message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) final;

    // The control's object from its child window; none for another window or a destroyed one.
    static NativeControl* of(HWND child);

    // Creates the child window inside the parent window, with the dialog manager's identifier.
    void create(HWND parent, int identifier);
    HWND handle() const { return handle_; }
    std::size_t index() const { return index_; }
    FormWindow& window() const { return window_; }
    const forms::Control& control() const;

    // The changed properties shown on the child window.
    virtual void apply(forms::PropertySet changed);
    // The child window moved and sized to its pixel box.
    virtual void place(const forms::Rect& box);
    // A WM_COMMAND notification the child window sent its parent.
    virtual void notified(WORD notification);
    // The keyboard given to the child window.
    virtual void focus();
    // Whether the control keeps Enter and Esc for itself at the moment.
    virtual bool keepsKeys() const { return false; }

    // The font the core chooses for the control's text, sent anew only when it changes.
    void applyFont();
    void forgetFont() { font_ = nullptr; }
    HFONT font() const { return font_; }

protected:
    struct WindowClass {
        const wchar_t* name;
        DWORD style;
        DWORD extendedStyle;
    };
    // The class and styles of the child window.
    virtual WindowClass windowClass() const = 0;
    // After the child window exists: its initial state beyond caption and styles.
    virtual void created() {}
    // A message of the child window; false leaves it to the class's own procedure. Our own
    // classes paint, erase, give their font and click here.
    virtual bool controlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The class's own procedure: the system's for a subclassed window, DefWindowProc for ours.
    LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam);

    // A press and release over the control, as the form's hit test finds it, is a click,
    // however quickly it follows the last one.
    bool pointerMessage(UINT message, LPARAM lParam);
    // What a control of our own class paints on its background.
    virtual void paintContent(HDC, const RECT&) {}

    // Our own classes: frames and pictures, registered once.
    static constexpr wchar_t frameClass[] = L"PruhomatFrame";
    static constexpr wchar_t pictureClass[] = L"PruhomatPicture";

private:
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR data);
    bool ownClassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void paintOwn();

    FormWindow& window_;
    std::size_t index_;
    HWND handle_ = nullptr;
    // A window of our own class, not a subclassed one of the system's.
    bool ownClass_ = false;
    HFONT font_ = nullptr;  // owned by the window's fonts
};

// The one place that chooses a class by the control's kind.
std::unique_ptr<NativeControl> makeNativeControl(FormWindow& window, std::size_t index);

}  // namespace pruhomat::win32
