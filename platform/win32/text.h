#pragma once

#include <string>
#include <string_view>

namespace pruhomat::win32 {

// The program's texts are UTF-8; Windows wants UTF-16, or the ANSI code page for ShellExecuteA.
std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);
std::string ansi(std::string_view utf8);

}  // namespace pruhomat::win32
