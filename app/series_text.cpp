#include "series_text.h"

#include <algorithm>
#include <vector>

#include "standard_series.h"

namespace pruhomat {
namespace {

constexpr std::string_view minusSign = "\xE2\x88\x92";

// "+2,2 %", "−6,5 %", "+2 %": the deviation with its sign, to one decimal.
std::string deviation(const SeriesValue& neighbour, const TypedValue& value, std::string_view separator) {
    const std::int64_t signedTenths = deviationInTenths(neighbour, value.significant, value.exponent);
    const std::uint64_t tenths = static_cast<std::uint64_t>(signedTenths < 0 ? -signedTenths : signedTenths);
    const std::string sign = signedTenths > 0 ? "+" : std::string(minusSign);
    return sign + std::to_string(tenths / 10) + (tenths % 10 == 0 ? "" : std::string(separator) + std::to_string(tenths % 10)) + " %";
}

std::string nearestLine(std::string_view name, const TypedValue& value, std::string_view separator) {
    const auto all = standardSeries();
    const auto& series = *std::ranges::find(all, name, &StandardSeries::name);
    const auto [below, above] = neighboursIn(series, value.significant, value.exponent);
    std::string line = "nejbližší " + std::string(name) + ":";
    for (const SeriesValue* neighbour : {&below, &above}) {
        line += std::string(neighbour == &below ? " " : " / ") + valueWithUnit(neighbour->entry, neighbour->exponent, separator) +
                " " + deviation(*neighbour, value, separator);
    }
    return line;
}

}  // namespace

std::pair<std::string, std::string> seriesLines(const TypedValue& value, std::string_view decimalSeparator) {
    std::vector<std::string_view> holding;
    for (const StandardSeries& series : standardSeries()) {
        if (isInSeries(series, value.significant)) {
            holding.push_back(series.name);
        }
    }
    if (holding.empty()) {
        return {nearestLine("E24", value, decimalSeparator), nearestLine("E96", value, decimalSeparator)};
    }
    std::string text = holding.size() == 1 ? "řada " : "řady ";
    for (std::size_t index = 0; index < holding.size(); ++index) {
        text += std::string(index == 0 ? "" : ", ") + std::string(holding[index]);
    }
    return {text, ""};
}

}  // namespace pruhomat
