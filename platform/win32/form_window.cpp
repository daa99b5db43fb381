#include "form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

#include "accessible_control.h"
#include "dpi.h"
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
// The face the system keeps for its own dialogs: Tahoma, or its like, with every Czech letter.
constexpr wchar_t dialogFace[] = L"MS Shell Dlg 2";
// Where the system's dialog face lacks a letter the program shows (Wine's Tahoma has no Ω), the
// face its own windows use instead.
constexpr wchar_t spareDialogFace[] = L"MS Sans Serif";
constexpr wchar_t lettersShown[] = L"ÁČĚŘŠŮŽáčěřšůžΩ±";
constexpr double dialogPoints = 8;

Rgb faceColour() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(face), GetGValue(face), GetBValue(face)};
}

void setFace(LOGFONTW& looks, std::wstring_view face) {
    std::ranges::fill(looks.lfFaceName, L'\0');
    face.substr(0, LF_FACESIZE - 1).copy(looks.lfFaceName, LF_FACESIZE - 1);
}

bool drawsEvery(HFONT font, std::wstring_view letters) {
    HDC context = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(context, font);
    std::wstring glyphs(letters.size(), L'\0');
    GetGlyphIndicesW(context, letters.data(), static_cast<int>(letters.size()), reinterpret_cast<WORD*>(glyphs.data()),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(context, previous);
    ReleaseDC(nullptr, context);
    return glyphs.find(static_cast<wchar_t>(0xFFFF)) == std::wstring::npos;
}

// The face a font was given by the system, which may be a substitute of its own choosing.
bool hasFace(HFONT font, const std::wstring& face) {
    HDC context = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(context, font);
    wchar_t given[LF_FACESIZE]{};
    GetTextFaceW(context, LF_FACESIZE, given);
    SelectObject(context, previous);
    ReleaseDC(nullptr, context);
    return lstrcmpiW(given, face.c_str()) == 0;
}

COLORREF colourRef(const forms::Paint& paint) {
    if (const auto* rgb = std::get_if<Rgb>(&paint)) {
        return RGB(rgb->red, rgb->green, rgb->blue);
    }
    return GetSysColor(static_cast<int>(std::get<forms::SystemColour>(paint)));
}

// Static styles in the order of forms::Alignment.
constexpr std::array<DWORD, 3> labelAlignments{SS_LEFT, SS_RIGHT, SS_CENTER};

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
    : form_(form), pictures_(pictures), session_(session), handles_(form.controls().size(), nullptr) {
    registerClasses();
    const bool isDialog = form.looks().border == forms::FormBorder::FixedDialog;
    const DWORD style = isDialog ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN
                                 : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    const DWORD extendedStyle = WS_EX_CONTROLPARENT | (isDialog ? WS_EX_DLGMODALFRAME : 0);
    window_ = CreateWindowExW(extendedStyle, formClass, wide(form.looks().caption).c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), this);
    scale_ = forms::PixelScale(static_cast<int>(windowDpi(window_)));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(pictures_.icon(16)));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictures_.icon(32)));
    createChildren(forms::noControl, window_);
    addWindowMenu();
    // Fonts first: a new font sets a drop-down list's field height anew.
    applyFonts();
    applyGeometry();
    form_.clearChanges();
    session_.opened(*this);
}

FormWindow::~FormWindow() {
    session_.closed(*this);
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (const auto& [colour, brush] : brushes_) {
        DeleteObject(brush);
    }
    releaseFonts();
}

void FormWindow::releaseFonts() {
    for (const auto& [looks, font] : fonts_) {
        DeleteObject(font);
    }
    fonts_.clear();
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

// The class and styles of the native control that shows a control.
FormWindow::NativeKind FormWindow::nativeKind(std::size_t index) const {
    const forms::Control& control = form_.controls()[index];
    switch (control.kind()) {
        case ControlKind::Frame:
            return {frameClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
        case ControlKind::Label:
            // Every label takes the pointer, so that no click reaches a control behind it.
            return {L"STATIC",
                    SS_NOTIFY | SS_NOPREFIX | labelAlignments.at(static_cast<std::size_t>(control.alignment))};
        case ControlKind::PictureBox:
            return {pictureClass, 0};
        case ControlKind::CommandButton:
            return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | (control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON))};
        case ControlKind::OptionButton: {
            const DWORD group = forms::startsOptionGroup(form_, index) ? WS_GROUP : 0;
            return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | BS_RADIOBUTTON) | group};
        }
        case ControlKind::TextBox:
            return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox:
            return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
        case ControlKind::CheckBox:
            break;
    }
    return {L"BUTTON", WS_TABSTOP | BS_CHECKBOX};
}

HWND FormWindow::createControl(std::size_t index, HWND parentWindow) {
    const forms::Control& control = form_.controls()[index];
    const NativeKind native = nativeKind(index);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control.visible() ? WS_VISIBLE : 0) |
                        (control.enabled() ? 0 : WS_DISABLED) | native.style;
    const DWORD border = control.border == forms::Border::FixedSingle ? WS_EX_CLIENTEDGE : 0;
    const DWORD extendedStyle = border | native.extendedStyle;
    HWND handle = CreateWindowExW(extendedStyle, native.windowClass, wide(control.caption()).c_str(), style, 0, 0, 0, 0,
                                  parentWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + index)),
                                  GetModuleHandleW(nullptr), this);
    if (control.kind() == ControlKind::OptionButton || control.kind() == ControlKind::CheckBox) {
        SendMessageW(handle, BM_SETCHECK, control.value() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (control.kind() == ControlKind::Label) {
        // The static control would report a quick second click as a double click.
        SetWindowSubclass(handle, subclassProcedure, index, reinterpret_cast<DWORD_PTR>(this));
    }
    if (control.isInputField()) {
        fillInput(handle, index);
    }
    return handle;
}

forms::Rect FormWindow::pixelBox(std::size_t index) const {
    const forms::Control& control = form_.controls()[index];
    const SIZE picture = Pictures::size(control.picture, scale_.dpi());
    return scale_.box(control.rect(), picture.cx, picture.cy);
}

void FormWindow::applyGeometry() {
    RECT frame{0, 0, scale_.pixels(form_.looks().clientWidth), scale_.pixels(form_.looks().clientHeight)};
    adjustWindowRect(frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), static_cast<UINT>(scale_.dpi()));
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
    int itemHeight = height - scale_.fromStandard(comboFieldBorders);
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    RECT field{};
    GetWindowRect(list, &field);
    itemHeight += height - (field.bottom - field.top);
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
}

void FormWindow::applyFonts() {
    for (std::size_t index = 0; index < handles_.size(); ++index) {
        SendMessageW(handles_[index], WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(form_.controls()[index].font)), FALSE);
    }
}

// The default dialog font, or a named one, at the window's DPI. Where the system has
// no font of that name, the dialog face at the same size stands in rather than a substitute
// that may lack room for the accents of Czech capitals.
HFONT FormWindow::fontFor(const forms::Font& font) {
    const auto key = std::make_tuple(font.name, font.points, font.bold, font.charset);
    const auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second;
    }
    // The dialog font is 8 points of the dialog face, as in the system's own dialogs, with the
    // Central European character set: in the Western one some faces draw Ž without its caron.
    const double points = font.isDefault() ? dialogPoints : font.points;
    LOGFONTW looks{};
    looks.lfHeight = -static_cast<LONG>(std::lround(points * scale_.dpi() / 72));
    looks.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    looks.lfCharSet = font.isDefault() ? EASTEUROPE_CHARSET : static_cast<BYTE>(font.charset);
    setFace(looks, font.isDefault() ? std::wstring(dialogFace) : wide(font.name));
    HFONT created = CreateFontIndirectW(&looks);
    if (font.isDefault() && !drawsEvery(created, lettersShown)) {
        DeleteObject(created);
        setFace(looks, spareDialogFace);
        created = CreateFontIndirectW(&looks);
    }
    if (!font.isDefault() && !hasFace(created, wide(font.name))) {
        DeleteObject(created);
        setFace(looks, dialogFace);
        created = CreateFontIndirectW(&looks);
    }
    fonts_.emplace(key, created);
    return created;
}

HBRUSH FormWindow::brushFor(const forms::Paint& paint) {
    if (const auto* system = std::get_if<forms::SystemColour>(&paint)) {
        return GetSysColorBrush(static_cast<int>(*system));
    }
    const COLORREF colour = colourRef(paint);
    auto found = brushes_.find(colour);
    if (found == brushes_.end()) {
        found = brushes_.emplace(colour, CreateSolidBrush(colour)).first;
    }
    return found->second;
}

void FormWindow::syncChanges() {
    for (const std::size_t index : form_.changedControls()) {
        const forms::Control& control = form_.controls()[index];
        HWND handle = handles_[index];
        std::uint8_t changed = form_.changedProperties(index);
        if (control.isInputField()) {
            syncInput(index, changed);
            changed &= static_cast<std::uint8_t>(~(forms::CaptionProperty | forms::ValueProperty));
        }
        if (changed & forms::EnabledProperty) {
            EnableWindow(handle, control.enabled() ? TRUE : FALSE);
        }
        if (changed & forms::CaptionProperty) {
            SetWindowTextW(handle, wide(control.caption()).c_str());
            if (control.kind() == ControlKind::Frame) {
                // A frame paints its caption itself; the system only stores the text.
                InvalidateRect(handle, nullptr, TRUE);
            }
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
        if (changed & forms::BackgroundProperty) {
            InvalidateRect(handle, nullptr, TRUE);
        }
        if (changed & forms::FocusMarkProperty) {
            redrawFocusMark(handle);
        }
        if (changed & (forms::AccessibilityProperty | forms::CaptionProperty)) {
            // A screen reader speaks what changed.
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle, OBJID_CLIENT, CHILDID_SELF);
        }
    }
    form_.clearChanges();
}

void FormWindow::showCentred() {
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    if (HWND owner = GetWindow(window_, GW_OWNER);
        owner != nullptr && form_.looks().placement == forms::Placement::CentreOnOwner) {
        GetWindowRect(owner, &workArea);
    }
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    SetWindowPos(window_, nullptr, workArea.left + (workArea.right - workArea.left - width) / 2,
                 workArea.top + (workArea.bottom - workArea.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

LRESULT CALLBACK FormWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* owner = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
        return owner->formMessage(window, message, wParam, lParam);
    }
    const auto index = static_cast<std::size_t>(GetDlgCtrlID(window) - firstControlId);
    return owner->controlMessage(window, index, message, wParam, lParam);
}

LRESULT FormWindow::formMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Enter and Esc went to the core as keys; what comes here is a button's click or an
            // edit field's or a list's notice.
            if (LOWORD(wParam) >= firstControlId) {
                const auto index = static_cast<std::size_t>(LOWORD(wParam) - firstControlId);
                if (form_.controls().at(index).isInputField()) {
                    inputCommand(index, HIWORD(wParam));
                } else if (HIWORD(wParam) == BN_CLICKED) {
                    session_.click(*this, index);
                }
            }
            return 0;
        case WM_SYSCOMMAND:
            if (windowMenuCommand(wParam)) {
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const HBRUSH brush = controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_CLOSE:
            session_.closeBox(*this);
            return 0;
        case WM_CONTEXTMENU:
            // The keys that ask for the menu reach the core as keys; this is the right button.
            if (lParam != -1) {
                session_.contextMenu(*this);
            }
            return 0;
        case WM_SYSCOLORCHANGE:
            // The pictures are drawn anew on the new face colour at the next paint.
            RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_DPICHANGED:
            dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
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
    const int id = GetDlgCtrlID(controlWindow);
    if (id < firstControlId) {
        return nullptr;
    }
    const forms::Control& control = form_.controls().at(static_cast<std::size_t>(id - firstControlId));
    SetTextColor(context, colourRef(control.foreground));
    SetBkColor(context, colourRef(control.background()));
    return brushFor(control.background());
}

void FormWindow::dpiChanged(int dpi, const RECT& suggested) {
    scale_ = forms::PixelScale(dpi);
    releaseFonts();
    applyFonts();
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
            return reinterpret_cast<LRESULT>(fontFor(form_.controls()[index].font));
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            redrawFocusMark(window);
            return 0;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                return accessibleObjectFor(window, form_.controls()[index], wParam);
            }
            break;
        default:
            break;
    }
    if (pointerMessage(window, index, message, lParam)) {
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                               DWORD_PTR formWindow) {
    auto* owner = reinterpret_cast<FormWindow*>(formWindow);
    // Edit fields and lists are the system's own in all but their name and role.
    const bool isLabel = owner->form_.controls()[index].kind() == ControlKind::Label;
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProcedure, index);
    } else if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        return accessibleObjectFor(window, owner->form_.controls()[index], wParam);
    } else if (isLabel && message == WM_PAINT) {
        // The label paints itself, then the part of a focus rectangle that crosses it.
        PAINTSTRUCT paint{};
        HDC context = BeginPaint(window, &paint);
        DefSubclassProc(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(context), PRF_CLIENT | PRF_ERASEBKGND);
        owner->drawFocusMark(context, index);
        EndPaint(window, &paint);
        return 0;
    } else if (isLabel && owner->pointerMessage(window, index, message, lParam)) {
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Labels, pictures and frames click as a push button does: pressed and released inside the
// control, however quickly a click follows the last one.
bool FormWindow::pointerMessage(HWND window, std::size_t index, UINT message, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pointer_.press(index);
            SetCapture(window);
            return true;
        case WM_LBUTTONUP: {
            RECT client{};
            GetClientRect(window, &client);
            const bool inside = PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            const std::size_t clicked = pointer_.release(inside ? index : forms::noControl);
            ReleaseCapture();
            if (clicked != forms::noControl) {
                session_.click(*this, clicked);
            }
            return true;
        }
        case WM_CAPTURECHANGED:
            pointer_.cancel();
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
    auto* previousFont = static_cast<HFONT>(SelectObject(context, fontFor(control.font)));
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
        TextOutW(context, scale_.fromStandard(captionIndent), 0, caption.c_str(),
                 static_cast<int>(caption.size()));
    }
    SelectObject(context, previousFont);
}

void FormWindow::paintPicture(HDC context, const forms::Control& control) {
    if (HBITMAP bitmap = pictures_.bitmap(control.picture, scale_.dpi(), faceColour())) {
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
