#pragma once

#include <string>
#include <string_view>

#include "platform_port.h"

namespace pruhomat::win32 {

// The program's texts are UTF-8; Windows wants UTF-16, or the ANSI code page for ShellExecuteA.
std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);
std::string ansi(std::string_view utf8);

// A menu item's text with its shortcut after a tab, as menus show it: "Kopírovat výsledek\tCtrl+C".
std::wstring menuText(const forms::MenuItem& item);

}  // namespace pruhomat::win32
