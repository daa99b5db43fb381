#include "part_bands.h"

#include <algorithm>

#include "markings.h"
#include "standard_series.h"

namespace pruhomat {
namespace {

constexpr Tolerance noBandTolerance = Tolerance::percent(20);

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

std::optional<int> digitOf(Colour colour) { return colour == Colour::Pink ? std::nullopt : ColourCode::info(colour).digit; }

bool isLikely(const PartMarking& marking) {
    const auto tolerance = markingOf(marking.tolerance);
    return std::ranges::any_of(standardSeries(), [&](const StandardSeries& series) {
        const bool called = series.name == "E24" || (tolerance && series.name == tolerance->series);
        return called && isInSeries(series, marking.value.significant);
    });
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

std::optional<PartMarking> readBands(std::span<const Colour> bands) {
    if (bands.size() < 3 || bands.size() > 6) {
        return std::nullopt;
    }
    const std::size_t digitCount = bands.size() < 5 ? 2 : 3;
    std::uint64_t significant = 0;
    for (const Colour band : bands.first(digitCount)) {
        const auto digit = digitOf(band);
        if (!digit || (significant == 0 && *digit == 0)) {
            return std::nullopt;
        }
        significant = significant * 10 + static_cast<std::uint64_t>(*digit);
    }
    const auto multiplier = multiplierOfBand(bands[digitCount]);
    const auto value = multiplier ? readableValue(significant, *multiplier) : std::nullopt;
    const auto tolerance = bands.size() == 3 ? markingOf(noBandTolerance) : markingOfBand(bands[digitCount + 1]);
    const auto coefficient = bands.size() == 6 ? coefficientOfBand(bands[5]) : std::nullopt;
    if (!value || !tolerance || (bands.size() == 6 && !coefficient)) {
        return std::nullopt;
    }
    return PartMarking{*value, tolerance->tolerance, coefficient};
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

}  // namespace pruhomat
