// The edit fields and drop-down lists of a form's window, and the items a form adds to the
// system menu. What the user types or chooses goes to the core at once; what a handler sets
// comes back to the control without being taken for the user's input.
#include "form_window.h"

#include <commctrl.h>

#include "text.h"

namespace pruhomat::win32 {
namespace {

// System menu identifiers keep their low four bits clear, which the system uses itself.
constexpr UINT firstWindowMenuId = 0x1000;
constexpr UINT windowMenuIdStep = 0x10;

}  // namespace

void FormWindow::fillInput(HWND handle, std::size_t index) {
    const forms::Control& control = form_.controls()[index];
    for (const std::string& item : control.items) {
        SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    }
    SendMessageW(handle, CB_SETCURSEL, static_cast<WPARAM>(control.selectedItem()), 0);
}

void FormWindow::inputCommand(std::size_t index, WORD notification) {
    HWND handle = handles_[index];
    if (notification == EN_CHANGE && !settingText_) {
        const int length = GetWindowTextLengthW(handle);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(handle, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        controller_.edited(index, utf8(text));
    } else if (notification == CBN_SELCHANGE) {
        controller_.chosen(index, static_cast<int>(SendMessageW(handle, CB_GETCURSEL, 0, 0)));
    }
}

void FormWindow::syncInput(std::size_t index, std::uint8_t changed) {
    const forms::Control& control = form_.controls()[index];
    HWND handle = handles_[index];
    if ((changed & forms::CaptionProperty) != 0) {
        settingText_ = true;
        SetWindowTextW(handle, wide(control.caption()).c_str());
        settingText_ = false;
    }
    if ((changed & forms::ValueProperty) != 0 && control.kind() == forms::ControlKind::ComboBox) {
        SendMessageW(handle, CB_SETCURSEL, static_cast<WPARAM>(control.selectedItem()), 0);
    }
}

// An edit field reached by the keyboard has its whole text selected, so that typing replaces it.
void FormWindow::focusNative(std::size_t index) {
    SetFocus(handles_[index]);
    if (form_.controls()[index].kind() == forms::ControlKind::TextBox) {
        SendMessageW(handles_[index], EM_SETSEL, 0, -1);
    }
}

// A drop-down list that is open keeps its keys: Enter and Esc close the list, not the dialog.
bool FormWindow::listIsOpen(std::size_t index) const {
    return index != forms::noControl && form_.controls()[index].kind() == forms::ControlKind::ComboBox &&
           SendMessageW(handles_[index], CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void FormWindow::addWindowMenu() {
    if (form_.windowMenu.empty()) {
        return;
    }
    HMENU menu = GetSystemMenu(window_, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (std::size_t item = 0; item < form_.windowMenu.size(); ++item) {
        AppendMenuW(menu, MF_STRING, firstWindowMenuId + item * windowMenuIdStep,
                    menuText(form_.windowMenu[item]).c_str());
    }
}

bool FormWindow::windowMenuCommand(WPARAM command) {
    const UINT id = static_cast<UINT>(command & 0xFFF0);
    if (id < firstWindowMenuId || id >= firstWindowMenuId + form_.windowMenu.size() * windowMenuIdStep) {
        return false;
    }
    controller_.session().windowMenuChosen(controller_, static_cast<int>((id - firstWindowMenuId) / windowMenuIdStep));
    return true;
}

}  // namespace pruhomat::win32
