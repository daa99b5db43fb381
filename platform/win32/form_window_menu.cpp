// The items a form adds to the system menu of its window.
#include "form_window.h"

#include "text.h"

namespace pruhomat::win32 {
namespace {

// System menu identifiers keep their low four bits clear, which the system uses itself.
constexpr UINT firstWindowMenuId = 0x1000;
constexpr UINT windowMenuIdStep = 0x10;

}  // namespace

void FormWindow::addWindowMenu() {
    if (form_.windowMenu.empty()) {
        return;
    }
    HMENU menu = GetSystemMenu(window_, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (std::size_t item = 0; item < form_.windowMenu.size(); ++item) {
        AppendMenuW(menu, MF_STRING, firstWindowMenuId + item * windowMenuIdStep,
                    menuText(form_.windowMenu[item]).c_str());
    }
}

bool FormWindow::windowMenuCommand(WPARAM command) {
    const UINT id = static_cast<UINT>(command & 0xFFF0);
    if (id < firstWindowMenuId || id >= firstWindowMenuId + form_.windowMenu.size() * windowMenuIdStep) {
        return false;
    }
    controller_.session().windowMenuChosen(controller_, static_cast<int>((id - firstWindowMenuId) / windowMenuIdStep));
    return true;
}

}  // namespace pruhomat::win32
