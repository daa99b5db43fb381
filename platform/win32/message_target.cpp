#include "message_target.h"

#include <set>
#include <string>

namespace pruhomat::win32 {

void MessageTarget::registerClass(const wchar_t* name, HBRUSH background) {
    static std::set<std::wstring> registered;
    if (!registered.insert(name).second) {
        return;
    }
    WNDCLASSEXW ours{};
    ours.cbSize = sizeof ours;
    ours.lpfnWndProc = procedure;
    ours.hInstance = GetModuleHandleW(nullptr);
    ours.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    ours.hbrBackground = background;
    ours.lpszClassName = name;
    RegisterClassExW(&ours);
}

MessageTarget* MessageTarget::of(HWND window) {
    return window == nullptr || !IsWindow(window) ? nullptr : reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK MessageTarget::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    MessageTarget* target = of(window);
    return target == nullptr ? DefWindowProcW(window, message, wParam, lParam) : target->message(window, message, wParam, lParam);
}

}  // namespace pruhomat::win32
