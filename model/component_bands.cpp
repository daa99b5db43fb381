#include "component_bands.h"

#include <algorithm>

#include "markings.h"
#include "standard_series.h"

namespace pruhomat {
namespace {

constexpr Tolerance noBandTolerance = Tolerance::percent(20);
constexpr std::uint32_t usualCoefficient = 100;  // ppm/K, brown

std::size_t digitCount(std::size_t bands) { return bands < 5 ? 2 : 3; }

// The digits of a two- or three-digit marking, its multiplier and whatever follows.
std::vector<Colour> bandsIn(const TypedValue& value, int count, std::optional<Colour> tolerance,
                            std::optional<Colour> coefficient) {
    const auto digits = inDigits(value, count);
    const auto multiplier = digits ? multiplierColour(digits->exponent) : std::nullopt;
    if (!multiplier) {
        return {};
    }
    std::vector<Colour> bands;
    for (const char digit : digits->text) {
        bands.push_back(ColourCode::all()[static_cast<std::size_t>(digit - '0')].colour);
    }
    bands.push_back(*multiplier);
    for (const auto& band : {tolerance, coefficient}) {
        if (band) {
            bands.push_back(*band);
        }
    }
    return bands;
}

bool isLikely(const PartMarking& marking) {
    const auto tolerance = markingOf(marking.tolerance);
    return std::ranges::any_of(standardSeries(), [&](const StandardSeries& series) {
        const bool called = series.name == "E24" || (tolerance && series.name == tolerance->series);
        return called && isInSeries(series, marking.value.significant);
    });
}

// The value in at most `count` significant digits: rounded half up, or cut where rounding
// leaves the values the dialog reads.
TypedValue inAtMost(TypedValue value, int count) {
    bool roundsUp = false;
    for (; value.digits() > count; ++value.exponent) {
        roundsUp = value.significant % 10 >= 5;
        value.significant /= 10;
    }
    const auto rounded = roundsUp ? readableValue(value.significant + 1, value.exponent) : std::nullopt;
    const auto cut = readableValue(value.significant, value.exponent);
    return rounded ? *rounded : cut ? *cut : value;
}

}  // namespace

std::vector<Colour> partBands(const TypedValue& value, Tolerance tolerance, std::optional<std::uint32_t> coefficient) {
    const auto marking = markingOf(tolerance);
    if (!marking) {
        return {};
    }
    if (!marking->colour) {
        return bandsIn(value, 2, std::nullopt, std::nullopt);
    }
    const auto coefficientBand = coefficient ? coefficientColour(*coefficient) : std::nullopt;
    const bool twoDigits = value.digits() <= 2 && tolerance >= Tolerance::percent(5) && !coefficientBand;
    return bandsIn(value, twoDigits ? 2 : 3, marking->colour, coefficientBand);
}

std::optional<PartMarking> decodeBands(std::span<const Colour> bands) {
    if (bands.size() < 3 || bands.size() > 6) {
        return std::nullopt;
    }
    const std::size_t digits = digitCount(bands.size());
    std::uint64_t significant = 0;
    for (const Colour band : bands.first(digits)) {
        const auto digit = digitOfBand(band);
        if (!digit || (significant == 0 && *digit == 0)) {
            return std::nullopt;
        }
        significant = significant * 10 + static_cast<std::uint64_t>(*digit);
    }
    const auto multiplier = multiplierOfBand(bands[digits]);
    const auto tolerance = bands.size() == 3 ? markingOf(noBandTolerance) : markingOfBand(bands[digits + 1]);
    const auto coefficient = bands.size() == 6 ? coefficientOfBand(bands[5]) : std::nullopt;
    if (!multiplier || !tolerance || (bands.size() == 6 && !coefficient)) {
        return std::nullopt;
    }
    TypedValue value{significant, *multiplier};
    for (; value.significant % 10 == 0; value.significant /= 10) {
        ++value.exponent;
    }
    return PartMarking{value, tolerance->tolerance, coefficient};
}

std::optional<PartMarking> readBands(std::span<const Colour> bands) {
    const auto decoded = decodeBands(bands);
    if (!decoded || !readableValue(decoded->value.significant, decoded->value.exponent)) {
        return std::nullopt;
    }
    return decoded;
}

std::optional<OtherEnd> readBackwards(std::span<const Colour> bands) {
    const std::vector<Colour> reversed(bands.rbegin(), bands.rend());
    const auto forwards = readBands(bands);
    const auto backwards = readBands(reversed);
    if (!backwards || backwards == forwards) {
        return std::nullopt;
    }
    const bool forwardsLikely = forwards && isLikely(*forwards);
    const bool backwardsLikely = isLikely(*backwards);
    const Likelihood likelihood = forwardsLikely == backwardsLikely ? Likelihood::Equal
                                  : backwardsLikely                 ? Likelihood::Likelier
                                                                    : Likelihood::LessLikely;
    return OtherEnd{*backwards, likelihood};
}

std::vector<BandRole> bandRoles(std::size_t count) {
    std::vector<BandRole> roles(digitCount(count), BandRole::Digit);
    roles.front() = BandRole::FirstDigit;
    roles.push_back(BandRole::Multiplier);
    if (count >= 4) {
        roles.push_back(BandRole::Tolerance);
    }
    if (count == 6) {
        roles.push_back(BandRole::Coefficient);
    }
    return roles;
}

std::vector<Colour> offeredColours(BandRole role, std::size_t count) {
    std::vector<Colour> offered;
    if (role == BandRole::Multiplier) {
        const int lowest = count < 5 ? -2 : -3;
        for (int exponent = lowest; exponent <= lowest + 8; ++exponent) {
            offered.push_back(*multiplierColour(exponent));
        }
        return offered;
    }
    for (std::size_t index = 0; index <= static_cast<std::size_t>(Colour::Pink); ++index) {
        const auto colour = static_cast<Colour>(index);
        const auto digit = digitOfBand(colour);
        const bool offers = role == BandRole::FirstDigit ? digit && digit != 0
                            : role == BandRole::Digit    ? digit.has_value()
                            : role == BandRole::Tolerance ? markingOfBand(colour).has_value()
                                                          : coefficientOfBand(colour).has_value();
        if (offers) {
            offered.push_back(colour);
        }
    }
    return offered;
}

std::vector<Colour> bandsWithCount(std::span<const Colour> bands, std::size_t count) {
    const auto decoded = decodeBands(bands);
    if (!decoded || count < 3 || count > 6) {
        return {};
    }
    const auto fallback = Tolerance::percent(count == 4 ? 5 : 1);
    const auto tolerance = markingOf(count == 3 ? noBandTolerance : decoded->tolerance);
    const auto toleranceBand = count == 3 ? std::nullopt : tolerance->colour ? tolerance->colour : markingOf(fallback)->colour;
    const auto coefficientBand = count == 6 ? coefficientColour(decoded->coefficient.value_or(usualCoefficient)) : std::nullopt;
    const int digits = static_cast<int>(digitCount(count));
    return bandsIn(inAtMost(decoded->value, digits), digits, toleranceBand, coefficientBand);
}

}  // namespace pruhomat
