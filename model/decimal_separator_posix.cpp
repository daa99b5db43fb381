#include <clocale>

#include "decimal_separator.h"

namespace pruhomat {

std::string regionalDecimalSeparator() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr || *conventions->decimal_point == '\0') {
        return ".";
    }
    return conventions->decimal_point;
}

}  // namespace pruhomat
