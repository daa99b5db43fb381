#pragma once

#include <windows.h>

#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "form.h"
#include "pictures.h"
#include "pixel_scale.h"
#include "session.h"

namespace pruhomat::win32 {

// Control identifiers start above IDOK and IDCANCEL, which the dialog keys send.
inline constexpr int firstControlId = 1000;

// One top-level window for a form, with a real child window of the fitting class per control,
// kept in step with the form after every event. It is open in the session while it lives.
class FormWindow final : public forms::FormView {
public:
    FormWindow(forms::Form& form, Pictures& pictures, HWND owner, forms::Session& session);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    HWND handle() const { return window_; }
    HWND handleOf(std::string_view name) const { return handles_.at(form_.indexOf(name)); }
    forms::WindowHandle handleOf(std::size_t index) override {
        return reinterpret_cast<forms::WindowHandle>(handles_.at(index));
    }
    forms::Form& form() override { return form_; }

    // Updates exactly the child windows whose controls changed, then forgets the changes.
    void syncChanges() override;
    void hide() override { ShowWindow(window_, SW_HIDE); }

    // Centred on the screen, or on the window that owns it where the form asks for that.
    void showCentred();
    // A dialog opens with the keyboard on its first stop.
    void focusFirstStop();

    // Offers a key message to the core before the dialog manager; true where the core took it.
    bool translateKey(const MSG& message);

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The labels' painting and pointer, and the name and role of labels, edit fields and lists.
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR index, DWORD_PTR formWindow);
    static void registerClasses();

    LRESULT formMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT controlMessage(HWND window, std::size_t index, UINT message, WPARAM wParam, LPARAM lParam);
    HBRUSH controlColours(HDC context, HWND controlWindow);
    void dpiChanged(int dpi, const RECT& suggested);
    bool pointerMessage(HWND window, std::size_t index, UINT message, LPARAM lParam);
    void createChildren(std::size_t parent, HWND parentWindow);
    struct NativeKind {
        const wchar_t* windowClass;
        DWORD style;
        DWORD extendedStyle = 0;
    };
    NativeKind nativeKind(std::size_t index) const;
    HWND createControl(std::size_t index, HWND parentWindow);
    void applyGeometry();
    void fitListField(HWND list, int height) const;
    void applyFonts();
    void paint(HWND window, const forms::Control& control);
    void paintFrame(HDC context, RECT client, const forms::Control& control);
    void paintPicture(HDC context, const forms::Control& control);
    HBRUSH brushFor(const forms::Paint& paint);
    HFONT fontFor(const forms::Font& font);
    forms::Rect pixelBox(std::size_t index) const;
    void releaseFonts();
    std::size_t focusedControl() const;
    void focusControl(std::size_t index);
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
    forms::Session& session_;
    HWND window_ = nullptr;
    forms::PixelScale scale_{forms::PixelScale::standardDpi};
    std::vector<HWND> handles_;
    forms::PointerPress pointer_;
    // While a handler's text goes into an edit field, whose change notice is no typing.
    bool settingText_ = false;
    std::map<COLORREF, HBRUSH> brushes_;
    std::map<std::tuple<std::string_view, double, bool, int>, HFONT> fonts_;
};

}  // namespace pruhomat::win32
