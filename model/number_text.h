#pragma once

#include <string>
#include <string_view>

namespace pruhomat {

// A number in the general format: at most 15 significant digits, no trailing zeros, no digit
// grouping, a leading zero below 1 and the given decimal separator.
std::string numberAsText(double value, std::string_view decimalSeparator);

}  // namespace pruhomat
