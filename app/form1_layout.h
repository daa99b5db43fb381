#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "form.h"
#include "layout.h"

namespace pruhomat {

forms::FormLooks form1Looks();

// Every control of the main window, front first within each container. The result row's value
// is left to the window, which writes it with the user's decimal separator.
std::vector<forms::LayoutRow> form1Layout();

// The palette and the drawing are one stop, the first; the band count's options are another.
inline constexpr std::array<std::string_view, 7> form1TabOrder{"Paleta", "automat", "band5", "band4",
                                                               "prog",   "Info_pr", "Exit_pr"};

}  // namespace pruhomat
