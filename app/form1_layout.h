#pragma once

#include <string_view>
#include <vector>

#include "form.h"

namespace pruhomat {

forms::FormLooks form1Looks();

// Every control of the main window, front first within each container. The result row starts
// with the value of the resistor the window loads with, written with the given separator.
std::vector<forms::LayoutEntry> form1Layout(std::string_view decimalSeparator);

}  // namespace pruhomat
