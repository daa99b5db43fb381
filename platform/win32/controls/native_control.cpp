#include "native_control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>

#include "accessible_control.h"
#include "form_window.h"
#include "text.h"

namespace pruhomat::win32 {

// Every child window with a message target is a control of ours; a form's window is no child.
NativeControl* NativeControl::of(HWND child) {
    if (child == nullptr || !IsWindow(child) || (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) == 0) {
        return nullptr;
    }
    return static_cast<NativeControl*>(MessageTarget::of(child));
}

const forms::Control& NativeControl::control() const { return window_.form().controls()[index_]; }

void NativeControl::create(HWND parent, int identifier) {
    const forms::Control& shown = control();
    const WindowClass native = windowClass();
    ownClass_ = native.name == std::wstring_view(frameClass) || native.name == std::wstring_view(pictureClass);
    if (ownClass_) {
        registerClass(native.name, nullptr);
    }
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (shown.visible() ? WS_VISIBLE : 0) | (shown.enabled() ? 0 : WS_DISABLED) |
                        native.style;
    const DWORD extendedStyle = (shown.border == forms::Border::FixedSingle ? WS_EX_CLIENTEDGE : 0) | native.extendedStyle;
    // The identifier is for the dialog manager alone; the messages find the control by its data.
    handle_ = CreateWindowExW(extendedStyle, native.name, wide(shown.caption()).c_str(), style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)), GetModuleHandleW(nullptr),
                              static_cast<MessageTarget*>(this));
    if (!ownClass_) {
        adopt(handle_);
        SetWindowSubclass(handle_, subclassProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    created();
}

void NativeControl::applyFont() {
    HFONT chosen = window_.fonts().fontFor(control(), window_.controller().scale());
    if (chosen != font_) {
        font_ = chosen;
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
}

void NativeControl::apply(forms::PropertySet changed) {
    const forms::Control& shown = control();
    if (changed & forms::EnabledProperty) {
        EnableWindow(handle_, shown.enabled() ? TRUE : FALSE);
    }
    if (changed & forms::CaptionProperty) {
        applyFont();
        SetWindowTextW(handle_, wide(shown.caption()).c_str());
    }
    if (changed & forms::PlaceProperty) {
        applyFont();
        place(window_.pixelBox(index_));
    }
    if (changed & forms::VisibleProperty) {
        ShowWindow(handle_, shown.visible() ? SW_SHOWNA : SW_HIDE);
    }
    // A frame paints its caption itself; the system only stores the text.
    if (changed & (forms::BackgroundProperty | forms::CaptionProperty)) {
        InvalidateRect(handle_, nullptr, TRUE);
    }
    if (changed & (forms::AccessibilityProperty | forms::CaptionProperty)) {
        // A screen reader speaks what changed.
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle_, OBJID_CLIENT, CHILDID_SELF);
    }
}

void NativeControl::place(const forms::Rect& box) {
    SetWindowPos(handle_, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeControl::notified(WORD) {}

void NativeControl::focus() { SetFocus(handle_); }

LRESULT CALLBACK NativeControl::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProcedure, 0);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<NativeControl*>(data)->message(window, message, wParam, lParam);
}

// Every control answers a screen reader with the core's name, role and states. Until the
// control knows its window, the window's creation is the class's own.
LRESULT NativeControl::message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != handle_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        return accessibleObjectFor(handle_, wParam, FormWindow::targetOf);
    }
    LRESULT result = 0;
    return controlMessage(message, wParam, lParam, result) ? result : defaultProcedure(message, wParam, lParam);
}

bool NativeControl::controlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return ownClass_ && ownClassMessage(message, wParam, lParam, result);
}

bool NativeControl::ownClassMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PAINT:
            paintOwn();
            return true;
        case WM_GETFONT:
            result = reinterpret_cast<LRESULT>(font_);
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            FormWindow::redrawFocusMark(handle_);
            return true;
        default:
            return pointerMessage(message, lParam);
    }
}

LRESULT NativeControl::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return ownClass_ ? DefWindowProcW(handle_, message, wParam, lParam) : DefSubclassProc(handle_, message, wParam, lParam);
}

bool NativeControl::pointerMessage(UINT message, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(handle_, window_.handle(), &at, 1);
    forms::WindowController& controller = window_.controller();
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (controller.pointerPressed(at.x, at.y)) {
                SetCapture(handle_);
            }
            return true;
        case WM_LBUTTONUP: {
            // The capture goes before the handler runs, which may open a dialog.
            const std::size_t clicked = controller.pointerReleased(at.x, at.y);
            ReleaseCapture();
            controller.click(clicked, forms::WindowController::KeyboardFollows::No);
            return true;
        }
        case WM_CAPTURECHANGED:
            controller.pointerLost();
            return false;
        default:
            return false;
    }
}

void NativeControl::paintOwn() {
    PAINTSTRUCT paint{};
    HDC context = BeginPaint(handle_, &paint);
    RECT client{};
    GetClientRect(handle_, &client);
    FillRect(context, &client, window_.brushFor(control().background()));
    paintContent(context, client);
    EndPaint(handle_, &paint);
}

}  // namespace pruhomat::win32
