#include "application.h"

#include "decimal_separator.h"

namespace pruhomat::win32 {

Application::Application()
    : form1_(port_, regionalDecimalSeparator()), mainWindow_(port_.openMainWindow(form1_.form())) {}

int Application::run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab between the buttons, the check box and the option buttons.
        if (!IsDialogMessageW(mainWindow_->handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace pruhomat::win32
