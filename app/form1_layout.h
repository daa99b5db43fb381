#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "form.h"

namespace pruhomat {

forms::FormLooks form1Looks();

// Every control of the main window, front first within each container. The result row starts
// with the value of the resistor the window loads with, written with the given separator.
std::vector<forms::LayoutEntry> form1Layout(std::string_view decimalSeparator);

// The palette and the drawing are one stop, the first; the band count's options are another.
inline constexpr std::array<std::string_view, 7> form1TabOrder{"Paleta", "automat", "band5", "band4",
                                                               "prog",   "Info_pr", "Exit_pr"};

}  // namespace pruhomat
