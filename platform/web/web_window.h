#pragma once

#include <memory>
#include <vector>

#include "colour_code.h"
#include "controls/web_control.h"
#include "form.h"
#include "pixel_scale.h"
#include "session.h"
#include "window_controller.h"

namespace pruhomat::web {

class WebPort;

// One window of the page for a form: an element per control (controls/), laid out at the
// device's density in its pixels as the desktops lay out theirs. What the window does is its
// controller's; readers are told what the core's reader decides.
class WebWindow final : public forms::NativeWindow {
public:
    WebWindow(WebPort& port, int id, forms::Form& form, int owner);
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;
    ~WebWindow();

    int id() const { return id_; }
    forms::Form& form() { return controller_.form(); }
    forms::WindowController& controller() { return controller_; }
    const forms::PixelScale& scale() const { return controller_.scale(); }
    Rgb face() const;
    // A control's box in its container, in the device's pixels.
    forms::Rect boxOf(std::size_t index);

    // The keyboard on its first stop.
    void open() { controller_.opened(); }
    // Laid out anew at another density: the browser's zoom changed the device's pixel ratio.
    void rescale(int dotsPerInch);

    void applyChange(std::size_t index, forms::PropertySet changed) override;
    void focusNative(std::size_t index) override;
    void showFocusMark(std::size_t frame, const forms::Rect& mark) override;
    forms::WindowHandle nativeHandle(std::size_t index) override;
    void hideWindow() override;
    void resizeClient() override;
    // A finger held at a point of the window: what it pressed takes no click; it names itself
    // where it shows a tooltip (a band its colour), else the context menu opens there.
    void longPress(int x, int y);

private:
    void createChildren(std::size_t parent);
    // Role, name, whether it is met and its states, from the core's reader.
    void tellReader(std::size_t index);
    void tellReaderOfStack(std::size_t index, forms::PropertySet changed);

    WebPort& port_;
    int id_;
    forms::WindowController controller_;
    std::vector<std::unique_ptr<WebControl>> controls_;
};

}  // namespace pruhomat::web
