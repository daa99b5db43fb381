#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "markings.h"
#include "component_bands.h"
#include "reference_markings.h"

namespace pruhomat {
namespace {

namespace reference = testing::reference;
using enum Colour;

// The count of bands IEC 60062 gives a marking; 0 where it has none.
std::size_t bandCount(const TypedValue& value, std::uint32_t hundredths, bool colouredCoefficient) {
    const bool marked = std::ranges::count(reference::toleranceMarks, hundredths, &reference::ToleranceMark::hundredths) == 1;
    if (!marked || (hundredths == 2000 && value.digits() > 2)) {
        return 0;
    }
    if (hundredths == 2000) {
        return 3;
    }
    if (colouredCoefficient) {
        return 6;
    }
    return value.digits() <= 2 && (hundredths == 500 || hundredths == 1000) ? 4 : 5;
}

TypedValue valueOf(const reference::DecodedBands& decoded) {
    TypedValue value{std::stoull(decoded.digits), decoded.exponent};
    for (; value.significant % 10 == 0; value.significant /= 10) {
        ++value.exponent;
    }
    return value;
}

// Every value from 0,1 Ω to 99 MΩ at every tolerance (and one no band carries), with no
// coefficient or any: the bands written for it are as many as the code gives and decode, by the
// tests' own table and by the program, to the same marking.
TEST(ComponentBands, EveryMarkingIsWrittenInBandsThatReadBack) {
    std::vector<std::uint32_t> tolerances{300};
    std::ranges::transform(reference::toleranceMarks, std::back_inserter(tolerances), &reference::ToleranceMark::hundredths);
    std::vector<std::optional<std::uint32_t>> coefficients{std::nullopt, 33};
    std::ranges::transform(reference::coefficientMarks, std::back_inserter(coefficients), &reference::CoefficientMark::ppm);
    for (std::uint64_t significant = 1; significant <= 999; significant += significant % 10 == 9 ? 2 : 1) {
        for (int exponent = -4; exponent <= 7; ++exponent) {
            const TypedValue value{significant, exponent};
            if (!readableValue(significant, exponent)) {
                continue;
            }
            for (const std::uint32_t hundredths : tolerances) {
                for (const auto ppm : coefficients) {
                    const bool coloured = ppm && ppm != 33u && hundredths != 2000;
                    const auto bands = partBands(value, Tolerance{hundredths}, ppm);
                    ASSERT_EQ(bands.size(), bandCount(value, hundredths, coloured)) << significant << "e" << exponent << " " << hundredths;
                    if (bands.empty()) {
                        continue;
                    }
                    const auto decoded = reference::decodeBands(bands);
                    ASSERT_TRUE(decoded && valueOf(*decoded) == value && decoded->hundredths == hundredths &&
                                decoded->ppm == (coloured ? ppm : std::nullopt))
                        << significant << "e" << exponent << " " << hundredths;
                    ASSERT_EQ(readBands(bands), (PartMarking{value, {hundredths}, coloured ? ppm : std::nullopt}));
                }
            }
        }
    }
}

// Bands read from both ends: the forward reading, and the backward one where it is another
// marking, with which of the two is likelier.
TEST(ComponentBands, ReadFromTheOtherEnd) {
    struct Row {
        std::vector<Colour> bands;
        std::optional<PartMarking> forwards;
        std::optional<PartMarking> backwards;
        Likelihood likelihood = Likelihood::Equal;
    };
    const std::vector<Row> table{
        {{Brown, Black, Red, Red}, PartMarking{{1, 3}, {200}, {}}, PartMarking{{22, 0}, {100}, {}}},
        {{Red, Red, Black, Black, Brown}, PartMarking{{22, 1}, {100}, {}}, PartMarking{{1, 4}, {200}, {}}},
        {{Brown, Black, Red, Red, Brown}, PartMarking{{102, 2}, {100}, {}}, PartMarking{{122, 0}, {100}, {}},
         Likelihood::LessLikely},
        {{Brown, Red, Red, Black, Brown}, PartMarking{{122, 0}, {100}, {}}, PartMarking{{102, 2}, {100}, {}},
         Likelihood::Likelier},
        {{Brown, Black, Black, Red, Brown}, PartMarking{{1, 4}, {100}, {}}, PartMarking{{12, 1}, {100}, {}}},
        {{Yellow, Violet, Red, Gold}, PartMarking{{47, 2}, {500}, {}}, std::nullopt},
        {{Yellow, Violet, Red}, PartMarking{{47, 2}, {2000}, {}}, PartMarking{{27, 4}, {2000}, {}}},
        {{Brown, Black, Brown}, PartMarking{{1, 2}, {2000}, {}}, std::nullopt},
        {{Grey, Red, Black, Brown, Brown}, PartMarking{{82, 2}, {100}, {}}, PartMarking{{11, 3}, {1}, {}}},
        {{Yellow, Violet, Black, Pink, Brown, Red}, PartMarking{{47, -2}, {100}, 50}, std::nullopt},
        {{Red, Red, Black, Brown, Brown, Red}, PartMarking{{22, 2}, {100}, 50}, PartMarking{{211, 0}, {200}, 50},
         Likelihood::LessLikely},
        {{Yellow, Violet, Black, Brown, Orange}, PartMarking{{47, 2}, {5}, {}}, std::nullopt},
        {{Black, Brown, Red, Gold}, std::nullopt, std::nullopt},
    };
    for (const Row& row : table) {
        EXPECT_EQ(readBands(row.bands), row.forwards) << bandColourName(row.bands.front());
        const auto backwards = readBackwards(row.bands);
        EXPECT_EQ(backwards ? std::optional(backwards->marking) : std::nullopt, row.backwards) << bandColourName(row.bands.front());
        EXPECT_TRUE(!backwards || backwards->likelihood == row.likelihood) << bandColourName(row.bands.front());
    }
}

}  // namespace
}  // namespace pruhomat
