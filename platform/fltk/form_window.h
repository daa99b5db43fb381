#pragma once

#include <FL/Fl_Double_Window.H>

#include <memory>
#include <string_view>
#include <vector>

#include "controls/fltk_control.h"
#include "form.h"
#include "form_reader.h"
#include "session.h"
#include "widgets.h"
#include "window_controller.h"

namespace pruhomat::fltk {

// One native window for a form: an object per control (controls/), its widget stacked as laid
// out. What the window does is its controller's.
class FormWindow final : public Fl_Double_Window, public forms::NativeWindow {
public:
    FormWindow(forms::Form& form, const forms::PixelScale& scale, ImageCache& images, forms::Session& session);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override = default;

    // Shows the window with the program's window class, by which desktops match it to its entry,
    // and the keyboard on its first stop.
    void show() override;

    forms::WindowController& controller() { return controller_; }
    forms::Form& form() { return controller_.form(); }
    ImageCache& images() { return images_; }
    Fl_Widget* widget(std::string_view name) { return &controls_.at(form().indexOf(name))->widget(); }
    Fl_Widget* widgetAt(std::size_t index) { return &controls_.at(index)->widget(); }
    // Where the controller places the window: on the owner, or on the screen without one.
    void place(const Fl_Window* owner);

    int handle(int event) override;
    // Loads what puts the program on the accessibility bus, after the first paint.
    void draw() override;

    void applyChange(std::size_t index, forms::PropertySet changed) override;
    void focusNative(std::size_t index) override;
    void showFocusMark(std::size_t frame, const forms::Rect& mark) override;
    // The window itself for noControl.
    forms::WindowHandle nativeHandle(std::size_t index) override {
        return reinterpret_cast<forms::WindowHandle>(index == forms::noControl ? static_cast<Fl_Widget*>(this)
                                                                               : &controls_.at(index)->widget());
    }
    void hideWindow() override { hide(); }
    void resizeClient() override;

private:
    void buildChildren(std::size_t parent);
    void createControl(std::size_t index);
    void applyFont(FltkControl& made);
    void placeControl(std::size_t index);
    int handleEvent(int event);
    bool pointerEvent(int event);
    bool keyEvent();
    // FLTK moves its focus itself for the widgets it handles; the controller follows.
    void followToolkitFocus();

    ImageCache& images_;
    std::vector<std::unique_ptr<FltkControl>> controls_;
    forms::WindowController controller_;
    // Declared after the controller, so that it goes first: readers' objects turn defunct while
    // the form is still there.
    FormReader reader_{*this};
};

}  // namespace pruhomat::fltk
