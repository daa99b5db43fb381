#include "reference_reading.h"

#include <regex>
#include <string>

namespace pruhomat::testing::reference {
namespace {

// The value's text without its spaces: plain, no-break and narrow no-break.
std::string compacted(std::string_view text) {
    return std::regex_replace(std::string(text), std::regex(" |\xC2\xA0|\xE2\x80\xAF"), "");
}

int exponentOf(const std::string& multiplier) {
    static const std::regex micro("u|\xC2\xB5|\xCE\xBC");
    if (multiplier.empty() || multiplier == "R" || multiplier == "r") {
        return 0;
    }
    if (std::regex_match(multiplier, micro)) {
        return -6;
    }
    return multiplier == "m" ? -3 : multiplier == "M" ? 6 : multiplier == "G" ? 9 : 3;
}

ValueReading problem(ValueProblem reason) { return {std::nullopt, reason, std::nullopt}; }

// significant × 10^exponent against 0,1 Ω and 99 MΩ, worked out digit by digit.
std::optional<ValueProblem> outOfRange(const std::string& digits, int exponent) {
    const int places = static_cast<int>(digits.size()) + exponent;  // digits before the decimal point
    if (places < 0) {
        return ValueProblem::BelowRange;
    }
    if (places > 8 || (places == 8 && digits > "99")) {
        return ValueProblem::AboveRange;
    }
    return std::nullopt;
}

}  // namespace

ValueReading readValue(std::string_view text) {
    std::size_t characters = 0;
    for (const char byte : text) {
        characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    if (characters > 32) {
        return problem(ValueProblem::TooLong);
    }
    const std::string compact = compacted(text);
    if (compact.empty()) {
        return problem(ValueProblem::Empty);
    }
    // sign, whole, separator and fraction, or a multiplier between the two, unit, tolerance
    static const std::regex grammar(
        "(-|\xE2\x88\x92)?"
        "(?:([0-9]*)[.,]([0-9]*)(R|r|k|K|M|m|G|u|\xC2\xB5|\xCE\xBC)?"
        "|([0-9]*)(R|r|k|K|M|m|G|u|\xC2\xB5|\xCE\xBC)([0-9]*)"
        "|([0-9]*))"
        "(?:\xCE\xA9|\xE2\x84\xA6|[oO][hH][mM])?"
        "(?:\xC2\xB1([0-9]{1,3})%?)?");
    std::smatch parts;
    if (!std::regex_match(compact, parts, grammar)) {
        return problem(ValueProblem::NotANumber);
    }
    const std::string whole = parts[2].str() + parts[5].str() + parts[8].str();
    const std::string fraction = parts[3].str() + parts[7].str();
    if (whole.empty() && fraction.empty()) {
        return problem(ValueProblem::NotANumber);
    }
    if (parts[1].matched) {
        return problem(ValueProblem::Negative);
    }
    std::string digits = whole + fraction;
    int exponent = exponentOf(parts[4].str() + parts[6].str()) - static_cast<int>(fraction.size());
    digits.erase(0, digits.find_first_not_of('0') == std::string::npos ? digits.size() : digits.find_first_not_of('0'));
    if (digits.empty()) {
        return problem(ValueProblem::Zero);
    }
    for (; digits.back() == '0'; ++exponent) {
        digits.pop_back();
    }
    if (digits.size() > 3) {
        return problem(ValueProblem::TooManyDigits);
    }
    if (const auto range = outOfRange(digits, exponent)) {
        return problem(*range);
    }
    ValueReading reading{TypedValue{std::stoull(digits), exponent}, ValueProblem::Empty, std::nullopt};
    if (parts[9].matched) {
        reading.tolerance = static_cast<std::uint8_t>(std::stoi(parts[9].str()));
    }
    return reading;
}

}  // namespace pruhomat::testing::reference
