#include "value_text.h"

#include <algorithm>
#include <array>
#include <string>

#include "result.h"

namespace pruhomat {
namespace {

struct Multiplier {
    char letter;
    int exponent;
};

// Milli and giga are read so that the value is out of range rather than no number.
constexpr std::array<Multiplier, 7> multipliers{
    {{'R', 0}, {'r', 0}, {'k', 3}, {'K', 3}, {'M', 6}, {'m', -3}, {'G', 9}}};
// The Greek omega, the ohm sign and the word, in any case.
constexpr std::array<std::string_view, 3> ohmSigns{"\xCE\xA9", "\xE2\x84\xA6", "ohm"};
constexpr int mostSignificantDigits = 3;

std::optional<int> multiplierOf(char letter) {
    const auto found = std::ranges::find(multipliers, letter, &Multiplier::letter);
    return found == multipliers.end() ? std::nullopt : std::optional<int>(found->exponent);
}

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
        if (rest_.empty()) {
            return std::nullopt;
        }
        const auto exponent = multiplierOf(rest_.front());
        if (exponent) {
            rest_.remove_prefix(1);
        }
        return exponent;
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

}  // namespace

int TypedValue::digits() const { return static_cast<int>(std::to_string(significant).size()); }

ValueReading readValue(std::string_view text) {
    if (characterCount(text) > longestValueText) {
        return {std::nullopt, ValueProblem::TooLong};
    }
    std::string compact;
    std::ranges::copy_if(text, std::back_inserter(compact), [](char byte) { return byte != ' '; });
    if (compact.empty()) {
        return {std::nullopt, ValueProblem::Empty};
    }
    const bool negative = compact.front() == '-';
    auto numeral = numeralOf(negative ? std::string_view(compact).substr(1) : std::string_view(compact));
    if (!numeral) {
        return {std::nullopt, ValueProblem::NotANumber};
    }
    if (negative) {
        return {std::nullopt, ValueProblem::Negative};
    }
    std::string& digits = numeral->digits;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) {
        return {std::nullopt, ValueProblem::Zero};
    }
    while (digits.back() == '0') {
        digits.pop_back();
        ++numeral->exponent;
    }
    if (digits.size() > mostSignificantDigits) {
        return {std::nullopt, ValueProblem::TooManyDigits};
    }
    const TypedValue value{std::stoull(digits), numeral->exponent};
    if (const auto problem = rangeProblem(value)) {
        return {std::nullopt, *problem};
    }
    return {value, ValueProblem::Empty};
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
