#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "value_text.h"

namespace pruhomat {

// The standard series that hold the value ("řady E6, E12, E24") and an empty line; or, where
// none does, its nearest E24 and E96 values with their deviation from it, a line each
// ("nejbližší E24: 4,3 kΩ −6,5 % / 4,7 kΩ +2,2 %").
std::pair<std::string, std::string> seriesLines(const TypedValue& value, std::string_view decimalSeparator);

}  // namespace pruhomat
