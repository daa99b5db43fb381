#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "form.h"
#include "layout.h"

namespace pruhomat {

// The main window laid out for a wide screen, as it always has been, or for a phone held upright:
// the same controls in other places.
forms::FormLooks form1Looks(forms::ScreenShape shape = forms::ScreenShape::Wide);

// Every control of the main window, front first within each container. The result row's value
// is left to the window, which writes it with the user's decimal separator.
std::vector<forms::LayoutRow> form1Layout(forms::ScreenShape shape = forms::ScreenShape::Wide);

// Where the value labels of the palette's rows start, and where the one of the row with the
// widest value starts in the tolerance palette (twips, in the row's column).
struct PaletteValueLefts {
    int usual;
    int widest;
};
PaletteValueLefts paletteValueLefts(forms::ScreenShape shape);

// The shape of window a screen of that size (pixels at 96 dots per inch) takes.
forms::ScreenShape form1ShapeFor(int width, int height);

// The palette and the drawing are one stop, the first; the band count's options are another.
inline constexpr std::array<std::string_view, 7> form1TabOrder{"Paleta", "automat", "band5", "band4",
                                                               "prog",   "Info_pr", "Exit_pr"};

}  // namespace pruhomat
