#include "text.h"

#include <windows.h>

namespace pruhomat::win32 {

std::wstring wide(std::string_view utf8Text) {
    if (utf8Text.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8Text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, text.data(), length);
    return text;
}

namespace {

std::string narrow(std::wstring_view text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

}  // namespace

std::string utf8(std::wstring_view text) { return narrow(text, CP_UTF8); }

std::string ansi(std::string_view utf8Text) { return narrow(wide(utf8Text), CP_ACP); }

std::wstring menuText(const forms::MenuItem& item) {
    std::wstring text = wide(item.text);
    if (item.shortcutLetter != 0) {
        text += L"\tCtrl+";
        text += static_cast<wchar_t>(item.shortcutLetter);
    }
    return text;
}

}  // namespace pruhomat::win32
