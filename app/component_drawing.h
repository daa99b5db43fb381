#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "colour_code.h"
#include "form.h"
#include "layout.h"

namespace pruhomat {

// The value dialog's drawing of a part: its ends and, between them, its bands spaced as on a
// real part, the tolerance band set apart. To a reader it is one picture named by its bands;
// under the pointer each band names its colour and what it stands for.
class ComponentDrawing {
public:
    static constexpr std::size_t slotCount = 7;

    // The rows of the drawing, front first, with its corner at the place.
    static std::vector<forms::LayoutRow> layout(int left, int top);

    ComponentDrawing(forms::Form& form, std::string decimalSeparator);

    // The part with its bands; with none, its body alone.
    void show(std::span<const Colour> bands);
    // The drawing was laid out anew: its right end goes back after the bands shown.
    void relaidOut();

private:
    std::string decimalSeparator_;
    forms::Control* whole_;
    forms::Control* rightEnd_;
    std::array<forms::Control*, slotCount> slots_{};
    std::size_t slotsShown_ = 0;
};

}  // namespace pruhomat
