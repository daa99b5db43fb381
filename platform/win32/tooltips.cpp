#include "tooltips.h"

#include <commctrl.h>

namespace pruhomat::win32 {

void Tooltips::add(HWND owner, HWND tool) {
    if (window_ == nullptr) {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&classes);
        window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
    }
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

HWND Tooltips::toolAskedFor(LPARAM notice) const {
    const auto* header = reinterpret_cast<const NMHDR*>(notice);
    const bool asks = window_ != nullptr && header->hwndFrom == window_ && header->code == TTN_GETDISPINFOW;
    return asks ? reinterpret_cast<HWND>(header->idFrom) : nullptr;
}

bool Tooltips::answer(LPARAM notice, const std::wstring& text) {
    if (toolAskedFor(notice) == nullptr) {
        return false;
    }
    text_ = text;
    reinterpret_cast<NMTTDISPINFOW*>(notice)->lpszText = text_.data();
    return true;
}

}  // namespace pruhomat::win32
