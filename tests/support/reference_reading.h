#pragma once

// The value dialog's reading of a typed value, written apart from model/ as a grammar, so that a
// fuzzer can hold the two against each other.

#include <string_view>

#include "value_text.h"

namespace pruhomat::testing::reference {

ValueReading readValue(std::string_view text);

}  // namespace pruhomat::testing::reference
