#pragma once

#include <string>
#include <string_view>

namespace pruhomat {

// A colour's name as it reads inside a sentence: "Černá" becomes "černá".
std::string inLowerCase(std::string_view name);

}  // namespace pruhomat
