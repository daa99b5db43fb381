#include "value_text.h"

#include <algorithm>
#include <array>
#include <string>

#include "marking_text.h"
#include "markings.h"
#include "standard_series.h"

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
constexpr std::array<std::string_view, 2> minusSigns{"-", "\xE2\x88\x92"};
constexpr int mostSignificantDigits = 3;

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
    // The tolerance letter of the printed code, in either case: "J" of "4K7J" and "4k7j".
    std::optional<Tolerance> toleranceLetter() {
        const auto tolerance = rest_.empty() ? std::nullopt : toleranceOfLetter(rest_.front());
        rest_.remove_prefix(tolerance ? 1 : 0);
        return tolerance;
    }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

struct Numeral {
    std::string digits;  // whole and fraction together
    int exponent = 0;
    std::optional<Tolerance> letter;
};

// number [separator fraction] [multiplier] [unit], or RKM: number multiplier fraction [unit];
// a multiplier may take the tolerance letter after it.
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
    const std::optional<Tolerance> letter = multiplier ? cursor.toleranceLetter() : std::nullopt;
    cursor.unit();
    if (!cursor.atEnd() || (whole.empty() && fraction.empty())) {
        return std::nullopt;
    }
    return Numeral{whole + fraction, multiplier.value_or(0) - static_cast<int>(fraction.size()), letter};
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

ValueReading failed(ValueProblem problem) {
    ValueReading reading;
    reading.problem = problem;
    return reading;
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
    ValueReading reading;
    reading.value = value;
    return reading;
}

// "01C": the E96 value numbered 01 to 96, times the letter's power of ten.
std::optional<ValueReading> e96Reading(std::string_view text) {
    if (text.size() != 3 || !isDigit(text[0]) || !isDigit(text[1]) || !e96Multiplier(text[2])) {
        return std::nullopt;
    }
    const std::size_t number = static_cast<std::size_t>((text[0] - '0') * 10 + (text[1] - '0'));
    const auto& e96 = *std::ranges::find(standardSeries(), std::string_view("E96"), &StandardSeries::name);
    if (number == 0 || number > e96.values.size()) {
        return failed(number == 0 ? ValueProblem::BeforeFirstE96 : ValueProblem::PastLastE96);
    }
    return significantOf({std::to_string(e96.values[number - 1]), *e96Multiplier(text[2]), std::nullopt});
}

// What an SMD code makes of three or four digits ("472": 47 × 10²) or of an E96 code written
// with an R ("10R"), where that is a value other than the text's own.
std::optional<TypedValue> codeReading(std::string_view text, const std::optional<TypedValue>& own) {
    std::optional<TypedValue> code;
    if ((text.size() == 3 || text.size() == 4) && std::ranges::all_of(text, isDigit)) {
        code = significantOf({std::string(text.substr(0, text.size() - 1)), text.back() - '0', std::nullopt}).value;
    } else if (const auto e96 = text.size() == 3 && (text[2] == 'R' || text[2] == 'r') ? e96Reading(text) : std::nullopt) {
        code = e96->value;
    }
    return code == own ? std::nullopt : code;
}

}  // namespace

std::optional<TypedValue> readableValue(std::uint64_t significant, int exponent) {
    if (significant == 0) {
        return std::nullopt;
    }
    for (; significant % 10 == 0; significant /= 10) {
        ++exponent;
    }
    const TypedValue value{significant, exponent};
    if (value.digits() > mostSignificantDigits || rangeProblem(value)) {
        return std::nullopt;
    }
    return value;
}

int TypedValue::digits() const { return static_cast<int>(std::to_string(significant).size()); }

// A numeral, or else an E96 code, with the tolerance and coefficient that follow it.
ValueReading readValue(std::string_view text) {
    if (characterCount(text) > longestValueText) {
        return failed(ValueProblem::TooLong);
    }
    const std::string plain = withPlainSpaces(text);
    if (plain.find_first_not_of(' ') == std::string::npos) {
        return failed(ValueProblem::Empty);
    }
    const std::optional<MarkingParts> parts = markingPartsOf(plain);
    const std::string compact = withoutSpaces(parts ? parts->value : "");
    std::string_view number = compact;
    const bool negative = std::ranges::any_of(minusSigns, [&number](std::string_view minus) {
        const bool found = number.starts_with(minus);
        number.remove_prefix(found ? minus.size() : 0);
        return found;
    });
    const std::optional<Numeral> numeral = numeralOf(number);
    const std::optional<ValueReading> e96 = numeral ? std::nullopt : e96Reading(number);
    if (!parts || (!numeral && !e96) || (numeral && numeral->letter && parts->tolerance)) {
        return failed(ValueProblem::NotANumber);
    }
    if (negative) {
        return failed(ValueProblem::Negative);
    }
    if (parts->tolerance == Tolerance{0}) {
        return failed(ValueProblem::ZeroTolerance);
    }
    ValueReading reading = numeral ? significantOf(*numeral) : *e96;
    reading.asCode = codeReading(number, reading.value);
    if (reading.value || reading.asCode) {
        reading.tolerance = parts->tolerance ? parts->tolerance : numeral ? numeral->letter : std::nullopt;
        reading.coefficient = parts->coefficient;
    }
    return reading;
}

UnitParts unitPartsOf(std::uint64_t significant, int exponent) {
    const std::string digits = std::to_string(significant);
    const int magnitude = static_cast<int>(digits.size()) + exponent;  // digits before the separator
    const int unitPower = magnitude > 6 ? 6 : magnitude > 3 ? 3 : 0;
    const int wholeDigits = magnitude - unitPower;
    UnitParts parts;
    parts.unit = unitPower == 6 ? Unit::MegaOhm : unitPower == 3 ? Unit::KiloOhm : Unit::Ohm;
    if (wholeDigits <= 0) {
        parts.whole = "0";
        parts.fraction = std::string(static_cast<std::size_t>(-wholeDigits), '0') + digits;
    } else if (wholeDigits >= static_cast<int>(digits.size())) {
        parts.whole = digits + std::string(static_cast<std::size_t>(wholeDigits) - digits.size(), '0');
    } else {
        parts.whole = digits.substr(0, static_cast<std::size_t>(wholeDigits));
        parts.fraction = digits.substr(static_cast<std::size_t>(wholeDigits));
    }
    while (!parts.fraction.empty() && parts.fraction.back() == '0') {
        parts.fraction.pop_back();
    }
    return parts;
}

std::string valueWithUnit(std::uint64_t significant, int exponent, std::string_view decimalSeparator) {
    const UnitParts parts = unitPartsOf(significant, exponent);
    return parts.whole + (parts.fraction.empty() ? "" : std::string(decimalSeparator) + parts.fraction) + " " +
           std::string(unitSymbol(parts.unit));
}

}  // namespace pruhomat
