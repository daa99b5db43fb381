#pragma once

#include <optional>

#include "keys.h"

namespace pruhomat::fltk {

// The key of the FL_KEYBOARD event being handled, as the core names keys; none for a key the
// program has no use for.
std::optional<forms::KeyInput> keyOfEvent();

}  // namespace pruhomat::fltk
