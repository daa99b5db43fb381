#pragma once

#include <string>

namespace pruhomat {

// The decimal separator of the user's regional settings, as the platform reports it: each
// front-end defines it, the core takes the answer as an argument.
std::string regionalDecimalSeparator();

}  // namespace pruhomat
