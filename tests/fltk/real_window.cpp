#include "real_window.h"

#include <clocale>
#include <cstdlib>

namespace pruhomat::testing {

void RealWindow::SetUp() {
    // Czech regional settings whatever the machine's, from the locale generated into the build
    // tree, taken in as the program's main does.
    setenv("LOCPATH", PRUHOMAT_TEST_LOCALE_DIR, 1);
    setenv("LC_ALL", "cs_CZ.UTF-8", 1);
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
