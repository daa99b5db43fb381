#include "reference_reading.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <string>

#include "reference_markings.h"

namespace pruhomat::testing::reference {
namespace {

// What a grammar split off a typed marking: the value's text, the tolerance's and the
// coefficient's; none where either is malformed.
struct Split {
    std::string value;
    std::optional<Tolerance> tolerance;
    std::optional<std::uint32_t> coefficient;
};

std::string withoutSpaces(std::string text) {
    std::erase(text, ' ');
    return text;
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

ValueReading problem(ValueProblem reason) {
    ValueReading reading;
    reading.problem = reason;
    return reading;
}

std::optional<Tolerance> toleranceOf(const std::string& number) {
    static const std::regex grammar("([0-9]{1,3})(?:[.,]([0-9]{1,2}))?");
    std::smatch parts;
    if (!std::regex_match(number, parts, grammar)) {
        return std::nullopt;
    }
    const std::string fraction = (parts[2].str() + "00").substr(0, 2);
    return Tolerance{static_cast<std::uint32_t>(std::stoi(parts[1].str()) * 100 + std::stoi(fraction))};
}

std::optional<Tolerance> toleranceOfLetter(const std::string& letter) {
    const char capital = letter.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0])));
    const auto mark = std::ranges::find(toleranceMarks, capital, &ToleranceMark::letter);
    return mark == toleranceMarks.end() ? std::nullopt : std::optional(Tolerance{mark->hundredths});
}

// value [±tolerance | ␣tolerance%] [␣coefficient ppm[/K]], the coefficient also right after "%".
std::optional<Split> split(const std::string& text) {
    static const std::regex coefficient("(.*?)( *)([0-9]+) *ppm(/k)? *", std::regex::icase);
    static const std::regex endsInPpm(".*ppm(/k)? *", std::regex::icase);
    static const std::regex signed_("(.*?)\xC2\xB1(.*)");
    static const std::regex spaced("(.* )([0-9.,]+) *% *");
    static const std::regex endsInPercent(".*% *");
    Split found{text, std::nullopt, std::nullopt};
    std::smatch parts;
    if (std::regex_match(text, parts, coefficient)) {
        const std::string before = parts[1].str();
        if (parts[3].length() > 4 || (parts[2].length() == 0 && !std::regex_match(before, endsInPercent))) {
            return std::nullopt;
        }
        found = {before, std::nullopt, static_cast<std::uint32_t>(std::stoul(parts[3].str()))};
    } else if (std::regex_match(text, endsInPpm)) {
        return std::nullopt;
    }
    const std::string rest = found.value;
    if (std::regex_match(rest, parts, signed_)) {
        found.value = parts[1].str();
        std::string number = withoutSpaces(parts[2].str());
        found.tolerance = toleranceOf(number.ends_with('%') ? number.substr(0, number.size() - 1) : number);
        return found.tolerance ? std::optional(found) : std::nullopt;
    }
    if (std::regex_match(rest, endsInPercent)) {
        found.tolerance = std::regex_match(rest, parts, spaced) ? toleranceOf(parts[2].str()) : std::nullopt;
        found.value = parts[1].str();
        return found.tolerance ? std::optional(found) : std::nullopt;
    }
    return found;
}

// significant digits × 10^exponent against zero, three digits, 0,1 Ω and 99 MΩ.
ValueReading valueOfDigits(std::string digits, int exponent) {
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
    const int places = static_cast<int>(digits.size()) + exponent;  // digits before the decimal point
    if (places < 0) {
        return problem(ValueProblem::BelowRange);
    }
    if (places > 8 || (places == 8 && digits > "99")) {
        return problem(ValueProblem::AboveRange);
    }
    ValueReading reading;
    reading.value = TypedValue{std::stoull(digits), exponent};
    return reading;
}

std::optional<ValueReading> e96Code(const std::string& text) {
    static const std::regex code("([0-9]{2})([a-zA-Z])");
    std::smatch parts;
    const char letter = text.size() == 3 ? static_cast<char>(std::toupper(static_cast<unsigned char>(text[2]))) : '\0';
    const auto multiplier = std::ranges::find(e96Multipliers, letter, &MultiplierMark::letter);
    if (!std::regex_match(text, parts, code) || multiplier == e96Multipliers.end()) {
        return std::nullopt;
    }
    const int number = std::stoi(parts[1].str());
    if (number < 1 || number > 96) {
        return problem(number < 1 ? ValueProblem::BeforeFirstE96 : ValueProblem::PastLastE96);
    }
    return valueOfDigits(std::to_string(e96[static_cast<std::size_t>(number - 1)]), multiplier->exponent);
}

// "472" is 47 × 10², "4702" 470 × 10², "10R" the E96 value 10 × 0,01.
std::optional<TypedValue> asCode(const std::string& text) {
    static const std::regex digits("[0-9]{3,4}");
    static const std::regex e96WithR("[0-9]{2}[Rr]");
    if (std::regex_match(text, digits)) {
        return valueOfDigits(text.substr(0, text.size() - 1), text.back() - '0').value;
    }
    if (std::regex_match(text, e96WithR)) {
        return e96Code(text)->value;
    }
    return std::nullopt;
}

// sign, whole, separator and fraction, or a multiplier between the two, the tolerance letter
// after a multiplier, unit.
ValueReading numeral(const std::string& compact, std::optional<Tolerance>& letter) {
    static const std::regex grammar(
        "(-|\xE2\x88\x92)?"
        "(?:([0-9]*)[.,]([0-9]*)(?:(R|r|k|K|M|m|G|u|\xC2\xB5|\xCE\xBC)([LPWBCDFGJKMlpwbcdfgjkm])?)?"
        "|([0-9]*)(R|r|k|K|M|m|G|u|\xC2\xB5|\xCE\xBC)([0-9]*)([LPWBCDFGJKMlpwbcdfgjkm])?"
        "|([0-9]*))"
        "(?:\xCE\xA9|\xE2\x84\xA6|[oO][hH][mM])?");
    std::smatch parts;
    if (!std::regex_match(compact, parts, grammar) || parts[2].length() + parts[3].length() + parts[6].length() +
                                                              parts[8].length() + parts[10].length() == 0) {
        return problem(ValueProblem::NotANumber);
    }
    letter = toleranceOfLetter(parts[5].str() + parts[9].str());
    if (parts[1].matched) {
        return problem(ValueProblem::Negative);
    }
    const std::string fraction = parts[3].str() + parts[8].str();
    return valueOfDigits(parts[2].str() + parts[6].str() + parts[10].str() + fraction,
                         exponentOf(parts[4].str() + parts[7].str()) - static_cast<int>(fraction.size()));
}

// The numeral, or else an E96 code; its sign read apart.
ValueReading valueOf(const std::string& compact, std::optional<Tolerance>& letter) {
    ValueReading reading = numeral(compact, letter);
    static const std::regex sign("(-|\xE2\x88\x92)(.*)");
    std::smatch parts;
    const bool negative = std::regex_match(compact, parts, sign);
    const auto code = reading.problem == ValueProblem::NotANumber ? e96Code(negative ? parts[2].str() : compact)
                                                                  : std::nullopt;
    if (code) {
        return negative ? problem(ValueProblem::Negative) : *code;
    }
    if (reading.problem != ValueProblem::NotANumber && reading.problem != ValueProblem::Negative) {
        reading.asCode = asCode(compact);
    }
    return reading;
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
    static const std::regex wideSpace("\xC2\xA0|\xE2\x80\xAF");
    const std::string plain = std::regex_replace(std::string(text), wideSpace, " ");
    if (plain.find_first_not_of(' ') == std::string::npos) {
        return problem(ValueProblem::Empty);
    }
    const std::optional<Split> parts = split(plain);
    std::optional<Tolerance> letter;
    ValueReading reading = parts ? valueOf(withoutSpaces(parts->value), letter) : problem(ValueProblem::NotANumber);
    if (parts && letter && parts->tolerance) {
        return problem(ValueProblem::NotANumber);
    }
    const bool readAsNumber = reading.problem != ValueProblem::NotANumber && reading.problem != ValueProblem::Negative;
    if (parts && readAsNumber && parts->tolerance == Tolerance{0}) {
        return problem(ValueProblem::ZeroTolerance);
    }
    if (reading.asCode == reading.value) {
        reading.asCode.reset();
    }
    if (reading.value || reading.asCode) {
        reading.tolerance = parts->tolerance ? parts->tolerance : letter;
        reading.coefficient = parts->coefficient;
    }
    return reading;
}

}  // namespace pruhomat::testing::reference
