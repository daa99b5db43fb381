#include "application.h"

#include "decimal_separator.h"

namespace pruhomat::win32 {

Application::Application() : Program(regionalDecimalSeparator()) {}

}  // namespace pruhomat::win32
