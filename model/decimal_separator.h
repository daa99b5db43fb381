#pragma once

#include <string>

namespace pruhomat {

// The decimal separator of the user's regional settings, as the platform reports it.
// Each platform supplies its own definition.
std::string regionalDecimalSeparator();

}  // namespace pruhomat
