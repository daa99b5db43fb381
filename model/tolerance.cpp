#include "tolerance.h"

namespace pruhomat {

std::optional<std::uint8_t> Tolerance::wholePercent() const {
    if (hundredths % 100 != 0 || hundredths / 100 > UINT8_MAX) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(hundredths / 100);
}

std::string toleranceText(Tolerance tolerance, std::string_view decimalSeparator) {
    std::string text = std::to_string(tolerance.hundredths / 100);
    const std::uint32_t fraction = tolerance.hundredths % 100;
    if (fraction != 0) {
        text += std::string(decimalSeparator) + std::to_string(fraction / 10);
        if (fraction % 10 != 0) {
            text += std::to_string(fraction % 10);
        }
    }
    return text;
}

}  // namespace pruhomat
