#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "colour_code.h"
#include "form.h"
#include "layout.h"

namespace pruhomat {

// The value dialog's lists of a part's bands: the band count (3 to 6) and one list per band,
// each offering the colours its place takes with what they stand for ("červená 2").
class BandLists {
public:
    static constexpr std::size_t mostBands = 6;

    // The rows of the lists and their number labels, front first.
    static std::vector<forms::LayoutRow> layout(forms::ScreenShape shape);

    BandLists(forms::Form& form, std::string decimalSeparator);

    // Shows the bands, or greys every list and shows none where there are none.
    void show(const std::vector<Colour>& bands);

    forms::Control& countList() { return *count_; }
    forms::Control& bandList(std::size_t band) { return *bands_.at(band); }
    // The band count and the colour of a band as chosen in their lists.
    std::size_t chosenCount() const;
    std::optional<Colour> chosenColour(std::size_t band) const;

private:
    std::string decimalSeparator_;
    forms::Control* count_;
    std::array<forms::Control*, mostBands> bands_{};
    std::array<forms::Control*, mostBands> numbers_{};
    std::size_t shownCount_ = 0;
};

}  // namespace pruhomat
