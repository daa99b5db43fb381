#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "accessible_control.h"
#include "brushes.h"
#include "controls/native_control.h"
#include "form.h"
#include "message_target.h"
#include "pictures.h"
#include "pixel_scale.h"
#include "tooltips.h"
#include "session.h"
#include "window_controller.h"
#include "window_fonts.h"

namespace pruhomat::win32 {

// Control identifiers start above IDOK and IDCANCEL, which the dialog keys send.
inline constexpr int firstControlId = 1000;

// One top-level window for a form: its procedure, density, placement, the items a form adds to
// the system menu and the keyboard's focus mark. Each control is a child window of the class
// its kind needs (controls/). What the window does is its controller's; it is open in the
// session while it lives.
class FormWindow final : public forms::NativeWindow, public MessageTarget {
public:
    FormWindow(forms::Form& form, Pictures& pictures, HWND owner, forms::Session& session);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    HWND handle() const { return window_; }
    HWND handleOf(std::string_view name) const { return controls_.at(form().indexOf(name))->handle(); }
    forms::WindowController& controller() { return controller_; }
    forms::Form& form() const { return form_; }
    Fonts& fonts() { return fonts_; }
    Pictures& pictures() { return pictures_; }

    // Placed by the controller's rule, shown, and the keyboard on its first stop.
    void showPlaced();

    // Offers a key message to the core before the dialog manager; true where the core took it.
    bool translateKey(const MSG& message);

    void applyChange(std::size_t index, forms::PropertySet changed) override;
    void focusNative(std::size_t index) override;
    void showFocusMark(std::size_t frame, const forms::Rect& mark) override;
    // The window itself for noControl.
    forms::WindowHandle nativeHandle(std::size_t index) override;
    void hideWindow() override { ShowWindow(window_, SW_HIDE); }
    void resizeClient() override { applyGeometry(); }

    // What the controls paint with: brushes kept while the window lives, the control's box in
    // pixels, and the part of a focused frame's mark that crosses a control.
    HBRUSH brushFor(const forms::Paint& paint) { return brushes_.brushFor(paint); }
    static COLORREF colourRef(const forms::Paint& paint) { return Brushes::colourRef(paint); }
    forms::Rect pixelBox(std::size_t index) const;
    void drawFocusMark(HDC context, std::size_t index);
    // Over the frame's own surface and every child it crosses, so that it reads as one rectangle.
    static void redrawFocusMark(HWND frame);

    // The form and control a child window shows, wherever its window is; none once it is gone.
    static AccessibleTarget targetOf(HWND child);

    // The window's messages, once it knows its window.
    LRESULT message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT formMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool commandMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    HBRUSH controlColours(HDC context, HWND controlWindow);
    NativeControl* ownControl(HWND child) const;
    void dpiChanged(int dpi, const RECT& suggested);
    void createChildren(std::size_t parent, HWND parentWindow);
    void applyGeometry();
    void followSystemFocus();
    void addWindowMenu();
    bool windowMenuCommand(WPARAM command);

    forms::Form& form_;
    Pictures& pictures_;
    HWND window_ = nullptr;
    std::vector<std::unique_ptr<NativeControl>> controls_;
    Brushes brushes_;
    Tooltips tooltips_;
    Fonts fonts_;
    forms::WindowController controller_;
};

}  // namespace pruhomat::win32
