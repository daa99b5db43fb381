#include "real_window.h"

#include <clocale>

namespace pruhomat::testing {

void RealWindow::SetUp() {
    // The regional settings the test command gives, taken in as the program's main does.
    std::setlocale(LC_ALL, "");
    application = std::make_unique<fltk::Application>();
    window().wait_for_expose();
    settle();
}

void RealWindow::TearDown() {
    application->port().unload(application->form1().form());
    settle();
    application.reset();
}

RealWindow::PixelRect RealWindow::pixelRect(forms::Form& form, std::string_view name) {
    const forms::Rect rect = form.rectOnForm(form.indexOf(name));
    return {rect.left / 15, rect.top / 15, rect.width / 15, rect.height / 15};
}

void RealWindow::click(fltk::FormWindow& target, std::string_view name) {
    const PixelRect rect = pixelRect(target.form(), name);
    clickAt(target, rect.x + rect.width / 2, rect.y + rect.height / 2);
}

}  // namespace pruhomat::testing
