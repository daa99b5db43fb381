#include "real_window.h"

namespace pruhomat::testing {

void RealWindow::SetUp() {
    application = std::make_unique<fltk::Application>();
    pump(0.3);
}

void RealWindow::TearDown() {
    application->port().unload(application->form1().form());
    pump(0.05);
    application.reset();
}

RealWindow::PixelRect RealWindow::pixelRect(forms::Form& form, std::string_view name) {
    const forms::Control& control = form.control(name);
    int left = control.rect().left;
    int top = control.rect().top;
    for (std::size_t parent = control.parent(); parent != forms::noParent; parent = form.controls()[parent].parent()) {
        left += form.controls()[parent].rect().left;
        top += form.controls()[parent].rect().top;
    }
    return {left / 15, top / 15, control.rect().width / 15, control.rect().height / 15};
}

void RealWindow::click(fltk::FormWindow& target, std::string_view name) {
    const PixelRect rect = pixelRect(target.form(), name);
    clickAt(target, rect.x + rect.width / 2, rect.y + rect.height / 2);
}

}  // namespace pruhomat::testing
