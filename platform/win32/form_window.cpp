#include "form_window.h"

#include <windowsx.h>


#include "dpi.h"
#include "images.h"
#include "reader.h"
#include "text.h"

namespace pruhomat::win32 {
namespace {

constexpr wchar_t formClass[] = L"PruhomatForm";

}  // namespace

FormWindow::FormWindow(forms::Form& form, Pictures& pictures, HWND owner, forms::Session& session)
    : form_(form), pictures_(pictures), controller_(session, form, *this, forms::PixelScale(forms::PixelScale::standardDpi)) {
    registerClass(formClass, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    const bool isDialog = form.looks().border == forms::FormBorder::FixedDialog;
    const DWORD style = isDialog ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN
                                 : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    const DWORD extendedStyle = WS_EX_CONTROLPARENT | (isDialog ? WS_EX_DLGMODALFRAME : 0);
    window_ = CreateWindowExW(extendedStyle, formClass, wide(form.looks().caption).c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                              static_cast<MessageTarget*>(this));
    controller_.setScale(forms::PixelScale(static_cast<int>(windowDpi(window_))));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(pictures_.icon(windowIconSizes[0])));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictures_.icon(windowIconSizes[1])));
    for (std::size_t index = 0; index < form.controls().size(); ++index) {
        controls_.push_back(makeNativeControl(*this, index));
    }
    createChildren(forms::noControl, window_);
    for (const auto& control : controls_) {
        if (control->control().showsNameAsTooltip) {
            tooltips_.add(window_, control->handle());
        }
    }
    addWindowMenu();
    // Fonts first: a new font sets a drop-down list's field height anew.
    for (const auto& control : controls_) {
        control->applyFont();
    }
    applyGeometry();
    controller_.built();
}

FormWindow::~FormWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

forms::WindowHandle FormWindow::nativeHandle(std::size_t index) {
    return reinterpret_cast<forms::WindowHandle>(index == forms::noControl ? window_ : controls_.at(index)->handle());
}

AccessibleTarget FormWindow::targetOf(HWND child) {
    const NativeControl* control = NativeControl::of(child);
    return control == nullptr ? AccessibleTarget{} : AccessibleTarget{&control->window().form(), control->index()};
}

// A control of this window's own, from its child window; none for any other window.
NativeControl* FormWindow::ownControl(HWND child) const {
    NativeControl* control = NativeControl::of(child);
    return control != nullptr && &control->window() == this ? control : nullptr;
}

// Each container's children are created and then stacked front first, which is also the tab order.
void FormWindow::createChildren(std::size_t parent, HWND parentWindow) {
    const auto& children = form_.children(parent);
    for (const std::size_t child : children) {
        controls_[child]->create(parentWindow, firstControlId + static_cast<int>(child));
        createChildren(child, controls_[child]->handle());
    }
    for (const std::size_t child : children) {
        SetWindowPos(controls_[child]->handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

forms::Rect FormWindow::pixelBox(std::size_t index) const {
    const ImageId picture = form_.controls()[index].picture();
    const int dpi = controller_.scale().dpi();
    return picture == ImageId::NoImage ? controller_.pixelBox(index, true)
                                       : controller_.pixelBox(index, true, shownWidth(picture, dpi), shownHeight(picture, dpi));
}

void FormWindow::applyGeometry() {
    const forms::PixelScale& scale = controller_.scale();
    RECT frame{0, 0, scale.pixels(form_.looks().clientWidth), scale.pixels(form_.looks().clientHeight)};
    adjustWindowRect(frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), static_cast<UINT>(scale.dpi()));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        controls_[index]->place(pixelBox(index));
    }
}

void FormWindow::applyChange(std::size_t index, forms::PropertySet changed) { controls_.at(index)->apply(changed); }

void FormWindow::focusNative(std::size_t index) { controls_.at(index)->focus(); }

void FormWindow::showPlaced() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT ownerBounds{};
    HWND owner = GetWindow(window_, GW_OWNER);
    GetWindowRect(owner, &ownerBounds);
    const forms::Rect ownerRect{ownerBounds.left, ownerBounds.top, ownerBounds.right - ownerBounds.left,
                                ownerBounds.bottom - ownerBounds.top};
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    const forms::Rect placed =
        forms::placeWindow(form_.looks().placement, bounds.right - bounds.left, bounds.bottom - bounds.top,
                           {area.left, area.top, area.right - area.left, area.bottom - area.top},
                           owner != nullptr ? &ownerRect : nullptr);
    SetWindowPos(window_, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    controller_.opened();
}

LRESULT FormWindow::message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return window_ == nullptr ? DefWindowProcW(window, message, wParam, lParam) : formMessage(window, message, wParam, lParam);
}

// Commands and colours from the form's own controls or those of its frames, and the system menu.
bool FormWindow::commandMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (message == WM_COMMAND) {
        // Enter and Esc went to the core as keys; what comes here is a control's notice.
        if (NativeControl* control = lParam != 0 ? ownControl(reinterpret_cast<HWND>(lParam)) : nullptr) {
            control->notified(HIWORD(wParam));
        }
        return true;
    }
    if (message == WM_NOTIFY) {
        const NativeControl* tool = ownControl(tooltips_.toolAskedFor(lParam));
        return tool != nullptr && tooltips_.answer(lParam, wide(forms::tooltipText(tool->control())));
    }
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        result = reinterpret_cast<LRESULT>(controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        return result != 0;
    }
    return message == WM_SYSCOMMAND && windowMenuCommand(wParam);
}

LRESULT FormWindow::formMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (commandMessage(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_CLOSE:
            controller_.session().closeBox(controller_);
            return 0;
        case WM_CONTEXTMENU: {
            // The keys that ask for the menu reach the core as keys; this is the right button.
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (lParam != -1 && ScreenToClient(window_, &at)) {
                controller_.contextMenuAt(at.x, at.y);
            }
            return 0;
        }
        case WM_SYSCOLORCHANGE:
            // The pictures are drawn anew on the new face colour at the next paint.
            RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_DPICHANGED:
            dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            // As a dialog does: the keyboard goes back to its control whenever the activation
            // arrives, where the system would give it to the window itself.
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && controller_.focused() != forms::noControl) {
                focusNative(controller_.focused());
                return 0;
            }
            break;
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The colours of a control's text and background; none for what is no control of the form.
HBRUSH FormWindow::controlColours(HDC context, HWND controlWindow) {
    const NativeControl* control = ownControl(controlWindow);
    if (control == nullptr) {
        return nullptr;
    }
    SetTextColor(context, colourRef(control->control().foreground));
    SetBkColor(context, colourRef(control->control().background()));
    return brushes_.brushFor(control->control().background());
}

void FormWindow::dpiChanged(int dpi, const RECT& suggested) {
    controller_.setScale(forms::PixelScale(dpi));
    fonts_.release();
    for (const auto& control : controls_) {
        control->forgetFont();
        control->applyFont();
    }
    applyGeometry();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace pruhomat::win32
