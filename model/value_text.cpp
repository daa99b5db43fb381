#include "value_text.h"

#include <algorithm>
#include <array>
#include <string>

#include "result.h"

namespace pruhomat {
namespace {

struct Multiplier {
    std::string_view sign;
    int exponent;
};

// Micro, milli and giga are read so that the value is out of range rather than no number; micro
// as the micro sign, the Greek mu or a u.
constexpr std::array<Multiplier, 10> multipliers{{{"R", 0},
                                                  {"r", 0},
                                                  {"k", 3},
                                                  {"K", 3},
                                                  {"M", 6},
                                                  {"m", -3},
                                                  {"G", 9},
                                                  {"u", -6},
                                                  {"\xC2\xB5", -6},
                                                  {"\xCE\xBC", -6}}};
// The Greek omega, the ohm sign and the word, in any case.
constexpr std::array<std::string_view, 3> ohmSigns{"\xCE\xA9", "\xE2\x84\xA6", "ohm"};
// The space, the no-break space and the narrow no-break space that groups digits.
constexpr std::array<std::string_view, 3> spaces{" ", "\xC2\xA0", "\xE2\x80\xAF"};
constexpr std::array<std::string_view, 2> minusSigns{"-", "\xE2\x88\x92"};
constexpr std::string_view plusMinus = "\xC2\xB1";
constexpr int mostSignificantDigits = 3;
constexpr std::size_t longestTolerance = 3;  // digits

std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::ranges::count_if(text, [](char byte) { return (byte & 0xC0) != 0x80; }));
}

bool isDigit(char character) { return character >= '0' && character <= '9'; }

class Cursor {
public:
    explicit Cursor(std::string_view text) : rest_(text) {}

    std::string digits() {
        const auto end = std::ranges::find_if_not(rest_, isDigit);
        std::string taken(rest_.begin(), end);
        rest_.remove_prefix(taken.size());
        return taken;
    }
    bool separator() { return take(",") || take("."); }
    std::optional<int> multiplier() {
        for (const Multiplier& multiplier : multipliers) {
            if (take(multiplier.sign)) {
                return multiplier.exponent;
            }
        }
        return std::nullopt;
    }
    void unit() {
        for (const std::string_view sign : ohmSigns) {
            std::string lower(rest_.substr(0, sign.size()));
            std::ranges::transform(lower, lower.begin(), [](char byte) {
                return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
            });
            if (lower == sign) {
                rest_.remove_prefix(sign.size());
                return;
            }
        }
    }
    bool take(std::string_view expected) {
        if (rest_.starts_with(expected)) {
            rest_.remove_prefix(expected.size());
            return true;
        }
        return false;
    }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

struct Numeral {
    std::string digits;  // whole and fraction together
    int exponent = 0;
};

// number [separator fraction] [multiplier] [unit], or RKM: number multiplier fraction [unit].
std::optional<Numeral> numeralOf(std::string_view text) {
    Cursor cursor(text);
    const std::string whole = cursor.digits();
    std::string fraction;
    std::optional<int> multiplier;
    if (cursor.separator()) {
        fraction = cursor.digits();
        multiplier = cursor.multiplier();
    } else if ((multiplier = cursor.multiplier())) {
        fraction = cursor.digits();
    }
    cursor.unit();
    if (!cursor.atEnd() || (whole.empty() && fraction.empty())) {
        return std::nullopt;
    }
    return Numeral{whole + fraction, multiplier.value_or(0) - static_cast<int>(fraction.size())};
}

// Below 0,1 Ω, above 99 MΩ, or neither; digits + exponent places the value's leading digit.
std::optional<ValueProblem> rangeProblem(const TypedValue& value) {
    const int magnitude = value.digits() + value.exponent;
    if (magnitude <= -1) {
        return ValueProblem::BelowRange;
    }
    std::uint64_t scaled = value.significant;
    for (int digit = value.digits(); digit < mostSignificantDigits; ++digit) {
        scaled *= 10;
    }
    if (magnitude > 8 || (magnitude == 8 && scaled > 990)) {
        return ValueProblem::AboveRange;
    }
    return std::nullopt;
}

ValueReading failed(ValueProblem problem) { return {std::nullopt, problem, std::nullopt}; }

std::string withoutSpaces(std::string_view text) {
    std::string compact;
    while (!text.empty()) {
        const auto space = std::ranges::find_if(spaces, [text](std::string_view sign) { return text.starts_with(sign); });
        if (space == spaces.end()) {
            compact += text.front();
        }
        text.remove_prefix(space == spaces.end() ? 1 : space->size());
    }
    return compact;
}

// "5%" or "5" after the plus-minus sign: whole percent.
std::optional<std::uint8_t> toleranceOf(std::string_view text) {
    Cursor cursor(text);
    const std::string digits = cursor.digits();
    cursor.take("%");
    if (!cursor.atEnd() || digits.empty() || digits.size() > longestTolerance) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(std::stoi(digits));
}

// The numeral's significant digits and exponent, or why they make no resistance.
ValueReading significantOf(Numeral numeral) {
    std::string& digits = numeral.digits;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) {
        return failed(ValueProblem::Zero);
    }
    while (digits.back() == '0') {
        digits.pop_back();
        ++numeral.exponent;
    }
    if (digits.size() > mostSignificantDigits) {
        return failed(ValueProblem::TooManyDigits);
    }
    const TypedValue value{std::stoull(digits), numeral.exponent};
    if (const auto problem = rangeProblem(value)) {
        return failed(*problem);
    }
    return {value, ValueProblem::Empty, std::nullopt};
}

}  // namespace

int TypedValue::digits() const { return static_cast<int>(std::to_string(significant).size()); }

ValueReading readValue(std::string_view text) {
    if (characterCount(text) > longestValueText) {
        return failed(ValueProblem::TooLong);
    }
    const std::string compact = withoutSpaces(text);
    if (compact.empty()) {
        return failed(ValueProblem::Empty);
    }
    std::string_view number = compact;
    const bool negative = std::ranges::any_of(minusSigns, [&number](std::string_view minus) {
        const bool found = number.starts_with(minus);
        number.remove_prefix(found ? minus.size() : 0);
        return found;
    });
    const std::size_t toleranceStart = number.find(plusMinus);
    const std::optional<std::uint8_t> tolerance =
        toleranceStart == std::string_view::npos ? std::nullopt : toleranceOf(number.substr(toleranceStart + plusMinus.size()));
    auto numeral = numeralOf(number.substr(0, toleranceStart));
    if (!numeral || (toleranceStart != std::string_view::npos && !tolerance)) {
        return failed(ValueProblem::NotANumber);
    }
    if (negative) {
        return failed(ValueProblem::Negative);
    }
    ValueReading reading = significantOf(*numeral);
    if (reading.value) {
        reading.tolerance = tolerance;
    }
    return reading;
}
std::string valueWithUnit(std::uint64_t significant, int exponent, std::string_view decimalSeparator) {
    const std::string digits = std::to_string(significant);
    const int magnitude = static_cast<int>(digits.size()) + exponent;  // digits before the separator
    const int unitPower = magnitude > 6 ? 6 : magnitude > 3 ? 3 : 0;
    const int wholeDigits = magnitude - unitPower;
    std::string whole;
    std::string fraction;
    if (wholeDigits <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-wholeDigits), '0') + digits;
    } else if (wholeDigits >= static_cast<int>(digits.size())) {
        whole = digits + std::string(static_cast<std::size_t>(wholeDigits) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(wholeDigits));
        fraction = digits.substr(static_cast<std::size_t>(wholeDigits));
    }
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    const Unit unit = unitPower == 6 ? Unit::MegaOhm : unitPower == 3 ? Unit::KiloOhm : Unit::Ohm;
    return whole + (fraction.empty() ? "" : std::string(decimalSeparator) + fraction) + " " +
           std::string(unitSymbol(unit));
}

}  // namespace pruhomat
