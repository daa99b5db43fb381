#pragma once

#include <windows.h>

#include <map>
#include <string_view>
#include <vector>

#include "accessible_control.h"
#include "form.h"
#include "pictures.h"
#include "window_fonts.h"
#include "pixel_scale.h"
#include "session.h"
#include "window_controller.h"

namespace pruhomat::win32 {

// Control identifiers start above IDOK and IDCANCEL, which the dialog keys send.
inline constexpr int firstControlId = 1000;

// One top-level window for a form, with a real child window of the fitting class per control,
// each reached from its messages through its GWLP_USERDATA. What the window does is its
// controller's; it is open in the session while it lives.
class FormWindow final : public forms::NativeWindow {
public:
    FormWindow(forms::Form& form, Pictures& pictures, HWND owner, forms::Session& session);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    HWND handle() const { return window_; }
    HWND handleOf(std::string_view name) const { return handles_.at(form().indexOf(name)); }
    forms::WindowController& controller() { return controller_; }
    forms::Form& form() const { return form_; }

    // Placed by the controller's rule, shown, and the keyboard on its first stop.
    void showPlaced();

    // Offers a key message to the core before the dialog manager; true where the core took it.
    bool translateKey(const MSG& message);

    void applyChange(std::size_t index, std::uint8_t changed) override;
    void focusNative(std::size_t index) override;
    void showFocusMark(std::size_t frame, const forms::Rect& mark) override;
    // The window itself for noControl.
    forms::WindowHandle nativeHandle(std::size_t index) override;
    void hideWindow() override { ShowWindow(window_, SW_HIDE); }

    // The form and control a child window shows, wherever its window is; none once it is gone.
    static AccessibleTarget targetOf(HWND child);

private:
    // What a child window's GWLP_USERDATA points to.
    struct Adapter {
        FormWindow* window;
        std::size_t index;
    };
    static const Adapter* adapterOf(HWND child);

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The labels' painting and pointer, and the name and role of labels, edit fields and lists.
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR index, DWORD_PTR formWindow);
    static void registerClasses();

    LRESULT formMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool commandMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT controlMessage(HWND window, std::size_t index, UINT message, WPARAM wParam, LPARAM lParam);
    HBRUSH controlColours(HDC context, HWND controlWindow);
    void dpiChanged(int dpi, const RECT& suggested);
    bool pointerMessage(HWND window, UINT message, LPARAM lParam);
    void createChildren(std::size_t parent, HWND parentWindow);
    HWND createControl(std::size_t index, HWND parentWindow);
    void applyGeometry();
    void fitListField(HWND list, int height) const;
    void applyFont(std::size_t index);
    void paint(HWND window, const forms::Control& control);
    void paintFrame(HDC context, RECT client, const forms::Control& control);
    void paintPicture(HDC context, const forms::Control& control);
    HBRUSH brushFor(const forms::Paint& paint);
    forms::Rect pixelBox(std::size_t index) const;
    void followSystemFocus();
    void fillInput(HWND handle, std::size_t index);
    void inputCommand(std::size_t index, WORD notification);
    void syncInput(std::size_t index, std::uint8_t changed);
    bool listIsOpen(std::size_t index) const;
    void addWindowMenu();
    bool windowMenuCommand(WPARAM command);
    static void redrawFocusMark(HWND frame);
    void drawFocusMark(HDC context, std::size_t index);

    forms::Form& form_;
    Pictures& pictures_;
    HWND window_ = nullptr;
    std::vector<HWND> handles_;
    std::vector<HFONT> controlFonts_;  // owned by fonts_
    std::vector<Adapter> adapters_;
    // While a handler's text goes into an edit field, whose change notice is no typing.
    bool settingText_ = false;
    std::map<COLORREF, HBRUSH> brushes_;
    Fonts fonts_;
    forms::WindowController controller_;
};

}  // namespace pruhomat::win32
