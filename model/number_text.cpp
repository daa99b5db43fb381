#include "number_text.h"

#include <array>
#include <charconv>

namespace pruhomat {

std::string numberAsText(double value, std::string_view decimalSeparator) {
    constexpr int significantDigits = 15;
    std::array<char, 32> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, significantDigits);
    std::string text;
    if (error != std::errc{}) {
        return text;
    }
    for (const char* cursor = buffer.data(); cursor != end; ++cursor) {
        if (*cursor == '.') {
            text += decimalSeparator;
        } else {
            text += *cursor == 'e' ? 'E' : *cursor;
        }
    }
    return text;
}

}  // namespace pruhomat
