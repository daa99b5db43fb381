#include <clocale>

#include "decimal_separator.h"

namespace pruhomat {

// The program's main takes the user's settings into the process's locale at start.
std::string regionalDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr || *conventions->decimal_point == '\0') {
        return ".";
    }
    return conventions->decimal_point;
}

}  // namespace pruhomat
