#include "form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <variant>

#include "accessible_control.h"
#include "dpi.h"
#include "images.h"
#include "text.h"

namespace pruhomat::win32 {
namespace {

using forms::ControlKind;

constexpr wchar_t formClass[] = L"PruhomatForm";
constexpr wchar_t frameClass[] = L"PruhomatFrame";
constexpr wchar_t pictureClass[] = L"PruhomatPicture";

constexpr int captionIndent = 8;
// What a drop-down list's field adds round its text, in pixels at 96 dots per inch, before
// the system says what it draws.
constexpr int comboFieldBorders = 6;

// By forms::SystemColour.
constexpr std::array<int, 5> systemColours{COLOR_BTNFACE, COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                                           COLOR_INACTIVEBORDER};

int systemColour(forms::SystemColour colour) { return systemColours.at(static_cast<std::size_t>(colour)); }

Rgb faceColour() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(face), GetGValue(face), GetBValue(face)};
}

COLORREF colourRef(const forms::Paint& paint) {
    if (const auto* rgb = std::get_if<Rgb>(&paint)) {
        return RGB(rgb->red, rgb->green, rgb->blue);
    }
    return GetSysColor(systemColour(std::get<forms::SystemColour>(paint)));
}

// Static styles in the order of forms::Alignment.
constexpr std::array<DWORD, 3> labelAlignments{SS_LEFT, SS_RIGHT, SS_CENTER};

// The class and styles of the native control for each forms::ControlKind. Every label takes
// the pointer, so that no click reaches a control behind it.
struct NativeKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extendedStyle;
    bool aligned;     // takes the label alignment styles
    bool subclassed;  // the system's own class, made to answer as the core says
};

constexpr std::array<NativeKind, 8> nativeKinds{{
    {frameClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, false, false},
    {L"STATIC", SS_NOTIFY | SS_NOPREFIX, 0, true, true},
    {pictureClass, 0, 0, false, false},
    {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, false, true},
    {L"BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0, false, true},
    {L"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0, false, true},
    {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, false, true},
    {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, false, true},
}};

}  // namespace

void FormWindow::registerClasses() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        windowClass.lpszClassName = formClass;
        RegisterClassExW(&windowClass);
        windowClass.hbrBackground = nullptr;
        windowClass.lpszClassName = frameClass;
        RegisterClassExW(&windowClass);
        windowClass.lpszClassName = pictureClass;
        RegisterClassExW(&windowClass);
        return true;
    }();
    static_cast<void>(registered);
}

FormWindow::FormWindow(forms::Form& form, Pictures& pictures, HWND owner, forms::Session& session)
    : form_(form),
      pictures_(pictures),
      handles_(form.controls().size(), nullptr),
      controlFonts_(form.controls().size(), nullptr),
      adapters_(form.controls().size(), Adapter{this, 0}),
      controller_(session, form, *this, forms::PixelScale(forms::PixelScale::standardDpi)) {
    registerClasses();
    const bool isDialog = form.looks().border == forms::FormBorder::FixedDialog;
    const DWORD style = isDialog ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN
                                 : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    const DWORD extendedStyle = WS_EX_CONTROLPARENT | (isDialog ? WS_EX_DLGMODALFRAME : 0);
    window_ = CreateWindowExW(extendedStyle, formClass, wide(form.looks().caption).c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), this);
    controller_.setScale(forms::PixelScale(static_cast<int>(windowDpi(window_))));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(pictures_.icon(windowIconSizes[0])));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictures_.icon(windowIconSizes[1])));
    createChildren(forms::noControl, window_);
    addWindowMenu();
    // Fonts first: a new font sets a drop-down list's field height anew.
    for (std::size_t index = 0; index < handles_.size(); ++index) {
        applyFont(index);
    }
    applyGeometry();
    controller_.built();
}

FormWindow::~FormWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (const auto& [colour, brush] : brushes_) {
        DeleteObject(brush);
    }
}

forms::WindowHandle FormWindow::nativeHandle(std::size_t index) {
    return reinterpret_cast<forms::WindowHandle>(index == forms::noControl ? window_ : handles_.at(index));
}

// Every child window of a form's window points to its adapter.
const FormWindow::Adapter* FormWindow::adapterOf(HWND child) {
    return child == nullptr ? nullptr : reinterpret_cast<const Adapter*>(GetWindowLongPtrW(child, GWLP_USERDATA));
}

AccessibleTarget FormWindow::targetOf(HWND child) {
    const Adapter* adapter = IsWindow(child) ? adapterOf(child) : nullptr;
    return adapter == nullptr ? AccessibleTarget{} : AccessibleTarget{&adapter->window->form(), adapter->index};
}

// Each container's children are created and then stacked front first, which is also the tab order.
void FormWindow::createChildren(std::size_t parent, HWND parentWindow) {
    const auto& children = form_.children(parent);
    for (const std::size_t child : children) {
        handles_[child] = createControl(child, parentWindow);
        if (form_.controls()[child].kind() == ControlKind::Frame) {
            createChildren(child, handles_[child]);
        }
    }
    for (const std::size_t child : children) {
        SetWindowPos(handles_[child], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

HWND FormWindow::createControl(std::size_t index, HWND parentWindow) {
    const forms::Control& control = form_.controls()[index];
    const NativeKind& native = nativeKinds[static_cast<std::size_t>(control.kind())];
    const bool startsGroup = control.kind() == ControlKind::OptionButton && forms::startsOptionGroup(form_, index);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control.visible() ? WS_VISIBLE : 0) |
                        (control.enabled() ? 0 : WS_DISABLED) | (startsGroup ? WS_GROUP : 0) |
                        (control.isDefault ? BS_DEFPUSHBUTTON : 0) | native.style |
                        labelAlignments.at(static_cast<std::size_t>(control.alignment)) * (native.aligned ? 1 : 0);
    const DWORD extendedStyle = (control.border == forms::Border::FixedSingle ? WS_EX_CLIENTEDGE : 0) | native.extendedStyle;
    adapters_[index] = {this, index};
    // The control's identifier is for the dialog manager alone; its messages find it by its data.
    HWND handle = CreateWindowExW(extendedStyle, native.windowClass, wide(control.caption()).c_str(), style, 0, 0, 0, 0,
                                  parentWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + index)),
                                  GetModuleHandleW(nullptr), &adapters_[index]);
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&adapters_[index]));
    if (control.kind() == ControlKind::OptionButton || control.kind() == ControlKind::CheckBox) {
        SendMessageW(handle, BM_SETCHECK, control.value() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (native.subclassed) {
        // Labels paint and click through it; the others only name themselves.
        SetWindowSubclass(handle, subclassProcedure, index, reinterpret_cast<DWORD_PTR>(this));
    }
    if (control.kind() == ControlKind::ComboBox) {
        fillInput(handle, index);
    }
    if (control.longestText > 0) {
        SendMessageW(handle, EM_LIMITTEXT, control.longestText, 0);
    }
    return handle;
}

forms::Rect FormWindow::pixelBox(std::size_t index) const {
    const ImageId picture = form_.controls()[index].picture;
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
    for (std::size_t index = 0; index < handles_.size(); ++index) {
        const forms::Rect box = pixelBox(index);
        // A drop-down list's window reaches down over its open list as well; its field is as
        // tall as its box, whatever height the font alone would give it.
        const auto listRows = static_cast<int>(form_.controls()[index].items.size());
        SetWindowPos(handles_[index], nullptr, box.left, box.top, box.width, box.height * (1 + listRows),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (listRows > 0) {
            fitListField(handles_[index], box.height);
        }
    }
}

// The field's own borders differ between systems: the height given is corrected by what shows.
void FormWindow::fitListField(HWND list, int height) const {
    int itemHeight = height - controller_.scale().fromStandard(comboFieldBorders);
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    RECT field{};
    GetWindowRect(list, &field);
    itemHeight += height - (field.bottom - field.top);
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
}

// The font the core chooses for the control's text, chosen anew only when the text or the
// density changes; frames and pictures answer WM_GETFONT and paint with it.
void FormWindow::applyFont(std::size_t index) {
    HFONT font = fonts_.fontFor(form_.controls()[index], controller_.scale());
    if (controlFonts_[index] != font) {
        controlFonts_[index] = font;
        SendMessageW(handles_[index], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

HBRUSH FormWindow::brushFor(const forms::Paint& paint) {
    if (const auto* system = std::get_if<forms::SystemColour>(&paint)) {
        return GetSysColorBrush(systemColour(*system));
    }
    const COLORREF colour = colourRef(paint);
    auto found = brushes_.find(colour);
    if (found == brushes_.end()) {
        found = brushes_.emplace(colour, CreateSolidBrush(colour)).first;
    }
    return found->second;
}

void FormWindow::applyChange(std::size_t index, std::uint8_t changed) {
    const forms::Control& control = form_.controls()[index];
    HWND handle = handles_[index];
    if (control.isInputField()) {
        syncInput(index, changed);
        changed &= static_cast<std::uint8_t>(~(forms::CaptionProperty | forms::ValueProperty));
    }
    if (changed & forms::EnabledProperty) {
        EnableWindow(handle, control.enabled() ? TRUE : FALSE);
    }
    if (changed & forms::CaptionProperty) {
        applyFont(index);
        SetWindowTextW(handle, wide(control.caption()).c_str());
    }
    if (changed & forms::LeftProperty) {
        const forms::Rect box = pixelBox(index);
        SetWindowPos(handle, nullptr, box.left, box.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (changed & forms::ValueProperty) {
        SendMessageW(handle, BM_SETCHECK, control.value() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (changed & forms::VisibleProperty) {
        ShowWindow(handle, control.visible() ? SW_SHOWNA : SW_HIDE);
    }
    // A frame paints its caption itself; the system only stores the text.
    if (changed & (forms::BackgroundProperty | forms::CaptionProperty)) {
        InvalidateRect(handle, nullptr, TRUE);
    }
    if (changed & (forms::AccessibilityProperty | forms::CaptionProperty)) {
        // A screen reader speaks what changed.
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle, OBJID_CLIENT, CHILDID_SELF);
    }
}

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

LRESULT CALLBACK FormWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    const LONG_PTR data = GetWindowLongPtrW(window, GWLP_USERDATA);
    if (data == 0) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
        return reinterpret_cast<FormWindow*>(data)->formMessage(window, message, wParam, lParam);
    }
    const auto* adapter = reinterpret_cast<const Adapter*>(data);
    return adapter->window->controlMessage(window, adapter->index, message, wParam, lParam);
}

// Commands, colours and the system menu, from the form's own controls or those of its frames.
bool FormWindow::commandMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (message == WM_COMMAND) {
        // Enter and Esc went to the core as keys; what comes here is a button's click or an
        // edit field's or a list's notice.
        if (const Adapter* adapter = lParam != 0 ? adapterOf(reinterpret_cast<HWND>(lParam)) : nullptr) {
            if (form_.controls()[adapter->index].isInputField()) {
                inputCommand(adapter->index, HIWORD(wParam));
            } else if (HIWORD(wParam) == BN_CLICKED) {
                controller_.clicked(adapter->index);
            }
        }
        return true;
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
    const Adapter* adapter = adapterOf(controlWindow);
    if (adapter == nullptr || adapter->window != this) {
        return nullptr;
    }
    const forms::Control& control = form_.controls()[adapter->index];
    SetTextColor(context, colourRef(control.foreground));
    SetBkColor(context, colourRef(control.background()));
    return brushFor(control.background());
}

void FormWindow::dpiChanged(int dpi, const RECT& suggested) {
    controller_.setScale(forms::PixelScale(dpi));
    fonts_.release();
    std::ranges::fill(controlFonts_, nullptr);
    for (std::size_t index = 0; index < handles_.size(); ++index) {
        applyFont(index);
    }
    applyGeometry();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    InvalidateRect(window_, nullptr, TRUE);
}

LRESULT FormWindow::controlMessage(HWND window, std::size_t index, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // Controls inside a frame tell the frame; the form handles them all.
            return formMessage(window_, message, wParam, lParam);
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint(window, form_.controls()[index]);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(controlFonts_[index]);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            redrawFocusMark(window);
            return 0;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                return accessibleObjectFor(window, wParam, targetOf);
            }
            break;
        default:
            break;
    }
    if (pointerMessage(window, message, lParam)) {
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                               DWORD_PTR formWindow) {
    auto* owner = reinterpret_cast<FormWindow*>(formWindow);
    // Buttons, edit fields and lists are the system's own in all but their name and role.
    const bool isLabel = owner->form_.controls()[index].kind() == ControlKind::Label;
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProcedure, index);
    } else if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        return accessibleObjectFor(window, wParam, targetOf);
    } else if (isLabel && message == WM_PAINT) {
        // The label paints itself, then the part of a focus rectangle that crosses it.
        PAINTSTRUCT paint{};
        HDC context = BeginPaint(window, &paint);
        DefSubclassProc(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(context), PRF_CLIENT | PRF_ERASEBKGND);
        owner->drawFocusMark(context, index);
        EndPaint(window, &paint);
        return 0;
    } else if (isLabel && owner->pointerMessage(window, message, lParam)) {
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Labels, pictures and frames click as a push button does: pressed and released over the
// control the form's hit test finds, however quickly a click follows the last one.
bool FormWindow::pointerMessage(HWND window, UINT message, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(window, window_, &at, 1);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (controller_.pointerPressed(at.x, at.y)) {
                SetCapture(window);
            }
            return true;
        case WM_LBUTTONUP: {
            // The capture goes before the handler runs, which may open a dialog.
            const std::size_t clicked = controller_.pointerReleased(at.x, at.y);
            ReleaseCapture();
            controller_.click(clicked);
            return true;
        }
        case WM_CAPTURECHANGED:
            controller_.pointerLost();
            return false;
        default:
            return false;
    }
}

// Frames and pictures are drawn here whole, on their background.
void FormWindow::paint(HWND window, const forms::Control& control) {
    PAINTSTRUCT paint{};
    HDC context = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(context, &client, brushFor(control.background()));
    if (control.kind() == ControlKind::Frame) {
        paintFrame(context, client, control);
        drawFocusMark(context, control.index());
    } else {
        paintPicture(context, control);
    }
    EndPaint(window, &paint);
}

void FormWindow::paintFrame(HDC context, RECT client, const forms::Control& control) {
    auto* previousFont = static_cast<HFONT>(SelectObject(context, controlFonts_[control.index()]));
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    RECT outline = client;
    outline.top = metrics.tmHeight / 2;
    DrawEdge(context, &outline, EDGE_ETCHED, BF_RECT);
    if (!control.caption().empty()) {
        const std::wstring caption = wide(control.caption());
        SetBkMode(context, OPAQUE);
        SetBkColor(context, colourRef(control.background()));
        SetTextColor(context, colourRef(control.foreground));
        TextOutW(context, controller_.scale().fromStandard(captionIndent), 0, caption.c_str(),
                 static_cast<int>(caption.size()));
    }
    SelectObject(context, previousFont);
}

void FormWindow::paintPicture(HDC context, const forms::Control& control) {
    if (HBITMAP bitmap = pictures_.bitmap(control.picture, controller_.scale().dpi(), faceColour())) {
        HDC memory = CreateCompatibleDC(context);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BITMAP size{};
        GetObjectW(bitmap, sizeof size, &size);
        BitBlt(context, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
}

}  // namespace pruhomat::win32
