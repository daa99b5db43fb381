#pragma once

#include <cstddef>
#include <memory>

#include "control.h"
#include "page_calls.h"

namespace pruhomat::web {

class WebWindow;

// One control of a form as an element of the page, made by the factory for its kind (one class
// a kind): it shows the control's changes. What the user does with it comes back through the
// page's events to its window's controller.
class WebControl {
public:
    WebControl(WebWindow& window, std::size_t index) : window_(window), index_(index) {}
    WebControl(const WebControl&) = delete;
    WebControl& operator=(const WebControl&) = delete;
    virtual ~WebControl() = default;

    std::size_t index() const { return index_; }
    const forms::Control& control() const;

    // The element made at its box (CSS pixels in its container), with everything it starts with.
    void create(int parent, const forms::Rect& box);
    // The changed properties shown on the element.
    virtual void apply(forms::PropertySet changed);
    // Its box, font and picture anew, the window laid out at another density.
    void place(const forms::Rect& box);

protected:
    virtual page::Element element() const = 0;
    // What the element of the kind starts with beyond caption, colours and state.
    virtual void created() {}
    // What it shows that depends on the density: a picture box's picture.
    virtual void drawAtDensity() {}
    WebWindow& window() const { return window_; }
    int windowId() const;
    void set(page::Property property, int value) const;
    void set(page::Property property, std::string_view text) const;

private:
    void applyFont() const;

    WebWindow& window_;
    std::size_t index_;
};

// The one place that chooses an element by the kind of control: a new kind without a case
// fails to build.
std::unique_ptr<WebControl> makeWebControl(WebWindow& window, std::size_t index);

}  // namespace pruhomat::web
