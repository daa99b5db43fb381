#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "form.h"
#include "pictures.h"
#include "pixel_scale.h"

namespace pruhomat::win32 {

// Control identifiers start above IDOK and IDCANCEL, which the dialog keys send.
inline constexpr int firstControlId = 1000;

// One top-level window for a form, with a real child window of the fitting class per control,
// kept in step with the form after every event.
class FormWindow {
public:
    struct Events {
        std::function<void()> afterEvent;  // brings every open window up to date
        std::function<void()> closeBox;    // the title bar's close box was used
        std::function<void(FormWindow&)> closed;  // the window is going
    };

    FormWindow(forms::Form& form, Pictures& pictures, HWND owner, Events events);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    HWND handle() const { return window_; }
    HWND handleOf(std::string_view name) const { return handles_.at(form_.indexOf(name)); }
    forms::Form& form() { return form_; }

    // Updates exactly the child windows whose controls changed, then forgets the changes.
    void syncChanges();

    void showCentred();
    void focusDefaultButton();

    // A click as the user makes it, then the update of every open window.
    void clickControl(std::size_t index);

    // Clicks the form's cancel button; false where it has none.
    bool clickCancelButton();

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK labelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR index, DWORD_PTR formWindow);
    static void registerClasses();

    LRESULT formMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT controlMessage(HWND window, std::size_t index, UINT message, WPARAM wParam, LPARAM lParam);
    bool pointerMessage(HWND window, std::size_t index, UINT message, LPARAM lParam);
    void createChildren(std::size_t parent, HWND parentWindow);
    HWND createControl(std::size_t index, HWND parentWindow);
    void applyGeometry();
    void applyFonts();
    void paintFrame(HWND window, std::size_t index);
    void paintPicture(HWND window, std::size_t index);
    HBRUSH brushFor(const forms::Paint& paint);
    HFONT fontFor(const forms::Font& font);
    forms::Rect pixelBox(std::size_t index) const;
    std::size_t controlMarked(bool forms::Control::*flag) const;
    void releaseFonts();

    forms::Form& form_;
    Pictures& pictures_;
    Events events_;
    HWND window_ = nullptr;
    forms::PixelScale scale_{forms::PixelScale::standardDpi};
    std::vector<HWND> handles_;
    std::size_t pressed_ = forms::noControl;
    std::map<COLORREF, HBRUSH> brushes_;
    std::map<std::tuple<std::string_view, double, bool, int>, HFONT> fonts_;
};

}  // namespace pruhomat::win32
