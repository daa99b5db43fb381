#include "module1.h"

#include <shellapi.h>

namespace pruhomat::win32 {

ShellExecuteAFunction shellExecuteA = &::ShellExecuteA;

}  // namespace pruhomat::win32
