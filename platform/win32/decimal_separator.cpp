#include <windows.h>

#include <array>

#include "decimal_separator.h"

namespace pruhomat {

std::string regionalDecimalSeparator() {
    std::array<wchar_t, 8> separator{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(), static_cast<int>(separator.size())) ==
        0) {
        return ".";
    }
    std::array<char, 32> utf8{};
    const int length = WideCharToMultiByte(CP_UTF8, 0, separator.data(), -1, utf8.data(), static_cast<int>(utf8.size()),
                                           nullptr, nullptr);
    if (length <= 1) {
        return ".";
    }
    return std::string(utf8.data(), static_cast<std::size_t>(length - 1));
}

}  // namespace pruhomat
